// The exported channel list as a PDF file: the web page's title, headings and tables drawn on
// landscape A4 pages, the table header repeated on every page, "Page n of m" in the footer.
#pragma once

#include "export/ChannelExport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Called as the work goes on with what is done and the whole (in the same units); false cancels.
using PdfProgress = std::function<bool(size_t done, size_t total)>;

// The PDF file's bytes; empty when it could not be made or progress cancelled it. fileName names
// the NDF file in the title. A cell too wide for the page is elided; the table keeps its type size.
QByteArray ChannelListPdf(const ChannelExport& list, const QString& fileName, const PdfProgress& progress = {});

// The table's texts as the PDF shows them, cells elided: the header row, then the rows.
QList<QStringList> ChannelPdfTableTexts(const ChannelExport& list);
