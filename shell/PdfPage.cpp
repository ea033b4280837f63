#include "shell/PdfPage.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr qreal kMarginMm = 12.0;
constexpr qreal kFooterMm = 8.0;
constexpr qreal kFooterPt = 7.5;

qreal MmToPixels(qreal mm, int resolution) {
    return mm / 25.4 * resolution;
}

} // namespace

QByteArray PrintPageToPdf(const QString& html, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Dishline"));
    // Eleven columns read best across the long side of the sheet.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    const int resolution = writer.resolution();
    const QRectF paintRect = writer.pageLayout().paintRectPixels(resolution);
    const qreal footer = MmToPixels(kFooterMm, resolution);
    const QSizeF body(paintRect.width(), paintRect.height() - footer);

    // Laid out on the writer itself, so that points and pixels of the page's style come out at the
    // writer's resolution; the page's print rules apply and table header rows repeat on each page.
    // This layout splits a table row whose cells wrap at a page break: cells do not wrap here, and a
    // table too wide for the page is scaled down to fit instead.
    QTextDocument document;
    document.setMetaInformation(QTextDocument::CssMedia, QStringLiteral("print"));
    document.setDefaultStyleSheet(QStringLiteral("th, td { white-space: nowrap; }"));
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.setPageSize(body);
    const qreal scale = std::min(1.0, body.width() / std::max(1.0, document.size().width()));
    document.setPageSize(body / scale);
    const QSizeF page = document.pageSize();

    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    QFont footerFont = document.defaultFont();
    footerFont.setPointSizeF(kFooterPt);
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            writer.newPage();
        const QRectF view(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(QFont(footerFont, &writer));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, body.height(), body.width(), footer), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Page %1 of %2").arg(index + 1).arg(pages));
    }
    if (!painter.end())
        return QByteArray();
    return bytes;
}
