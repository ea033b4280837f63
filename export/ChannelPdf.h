// The exported channel list as a PDF file: the web page's title, headings and tables drawn on
// landscape A4 pages, the table header repeated on every page, "Page n of m" in the footer.
#pragma once

#include "export/ChannelExport.h"

#include <QByteArray>
#include <QString>

// The PDF file's bytes; empty when it could not be made. fileName names the NDF file in the title.
QByteArray ChannelListPdf(const ChannelExport& list, const QString& fileName);
