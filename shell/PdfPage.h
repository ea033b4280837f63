// A web page printed to PDF on A4 paper, with "Page n of m" in the footer of every page.
#pragma once

#include <QByteArray>
#include <QString>

// The PDF file's bytes; empty when the page could not be printed.
QByteArray PrintPageToPdf(const QString& html, const QString& title);
