#include "export/ChannelPdf.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <vector>

// Drawn with QPainter rather than by laying the web page out in a QTextDocument: that layout
// takes milliseconds per table row (minutes for the largest database) and splits a row whose
// cells wrap at a page break. Here every row is one line, pages break between rows only, and a
// table too wide for the page is scaled down to fit.
namespace {

constexpr qreal kMarginMm = 12.0;
constexpr qreal kFooterMm = 8.0;
// Sizes in points, as the page's print style gives them.
constexpr qreal kBodyPt = 7.5;
constexpr qreal kTitlePt = 12.0;
constexpr qreal kHeadingPt = 10.0;
constexpr qreal kPadXPt = 3.0;
constexpr qreal kPadYPt = 1.5;
constexpr qreal kRulePt = 0.6;

const QColor kRuleColor(0x88, 0x88, 0x88);
const QColor kHeaderFill(0xE8, 0xE8, 0xE8);

// A cell's bytes in the ISO-8859-1 view; control characters as the replacement character, a
// line break or tab as a space.
QString CellText(const std::string& bytes) {
    QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t' || u == u'\n' || u == u'\r')
            c = QLatin1Char(' ');
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

Qt::Alignment AlignmentOf(int column) {
    switch (column) {
    case EXPORT_NUMBER:
    case EXPORT_POSITION:
    case EXPORT_FREQUENCY:
    case EXPORT_SYMBOL_RATE:
    case EXPORT_SERVICE_ID:
        return Qt::AlignRight;
    case EXPORT_POLARITY:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

enum class Piece { Title, Scope, Heading, Empty, Header, Row };

struct Item {
    Piece kind;
    bool radio;
    size_t row; // index into ChannelExport::rows for Piece::Row
    qreal y;
};

class PdfPainter {
public:
    PdfPainter(const ChannelExport& list, const QString& fileName, QPdfWriter& writer)
        : list_(list), writer_(writer), dots_(writer.resolution() / 72.0) {
        body_ = Font(kBodyPt, false);
        bold_ = Font(kBodyPt, true);
        title_ = Font(kTitlePt, true);
        heading_ = Font(kHeadingPt, true);
        italic_ = body_;
        italic_.setItalic(true);
        title_text_ = QStringLiteral("Channel list: ") + fileName;
        if (!list.stamp.empty())
            title_text_ += QStringLiteral(", ") + QString::fromStdString(list.stamp);
        padX_ = kPadXPt * dots_;
        padY_ = kPadYPt * dots_;
        rowHeight_ = QFontMetricsF(body_, &writer_).height() + 2 * padY_;
    }

    bool Draw() {
        const QRectF paint = writer_.pageLayout().paintRectPixels(writer_.resolution());
        const qreal footer = kFooterMm / 25.4 * writer_.resolution();
        MeasureColumns();
        const qreal tableWidth = Sum(widths_);
        scale_ = std::min(1.0, paint.width() / std::max(1.0, tableWidth));
        pageWidth_ = paint.width() / scale_;
        pageHeight_ = (paint.height() - footer) / scale_;
        Paginate();

        QPainter painter;
        if (!painter.begin(&writer_))
            return false;
        const int count = static_cast<int>(pages_.size());
        QFont footerFont = body_;
        for (int index = 0; index < count; ++index) {
            if (index > 0)
                writer_.newPage();
            painter.save();
            painter.scale(scale_, scale_);
            DrawPage(painter, pages_[static_cast<size_t>(index)]);
            painter.restore();
            painter.setFont(footerFont);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(0, paint.height() - footer, paint.width(), footer),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QStringLiteral("Page %1 of %2").arg(index + 1).arg(count));
        }
        return painter.end();
    }

private:
    QFont Font(qreal points, bool bold) const {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(bold);
        return QFont(font, &writer_);
    }

    static qreal Sum(const std::array<qreal, EXPORT_COLUMN_COUNT>& values) {
        qreal sum = 0;
        for (const qreal value : values)
            sum += value;
        return sum;
    }

    qreal LineHeight(const QFont& font) const { return QFontMetricsF(font, &writer_).height(); }

    QString HeadingText(bool radio) const {
        size_t count = 0;
        for (const ChannelRow& row : list_.rows)
            count += row.radio == radio ? 1 : 0;
        return QString::fromLatin1(radio ? "Radio" : "TV") +
               QStringLiteral(" (%1 %2)")
                   .arg(count)
                   .arg(count == 1 ? QStringLiteral("channel") : QStringLiteral("channels"));
    }

    void MeasureColumns() {
        const QFontMetricsF header(bold_, &writer_);
        const QFontMetricsF cell(body_, &writer_);
        for (int column = 0; column < EXPORT_COLUMN_COUNT; ++column)
            widths_[static_cast<size_t>(column)] =
                header.horizontalAdvance(QString::fromLatin1(kExportHeadings[column]));
        for (const ChannelRow& row : list_.rows) {
            for (size_t column = 0; column < EXPORT_COLUMN_COUNT; ++column) {
                if (!row.cells[column].empty())
                    widths_[column] = std::max(widths_[column], cell.horizontalAdvance(CellText(row.cells[column])));
            }
        }
        for (qreal& width : widths_)
            width = std::ceil(width + 2 * padX_);
    }

    // Places every piece on a page: a list's heading never stands alone at the foot of a page,
    // and each page that goes on with a table starts with its header row.
    void Paginate() {
        pages_.assign(1, {});
        y_ = 0;
        Place({Piece::Title, false, 0, 0}, LineHeight(title_) + 4 * dots_);
        Place({Piece::Scope, false, 0, 0}, LineHeight(body_) + 6 * dots_);
        const qreal headingHeight = LineHeight(heading_) + 10 * dots_;
        for (const bool radio : {false, true}) {
            if (radio ? !list_.coversRadio : !list_.coversTv)
                continue;
            const bool any = std::any_of(list_.rows.begin(), list_.rows.end(),
                                         [radio](const ChannelRow& row) { return row.radio == radio; });
            if (y_ > 0 && y_ + headingHeight + 2 * rowHeight_ > pageHeight_)
                NewPage();
            Place({Piece::Heading, radio, 0, 0}, headingHeight);
            if (!any) {
                Place({Piece::Empty, radio, 0, 0}, rowHeight_);
                continue;
            }
            Place({Piece::Header, radio, 0, 0}, rowHeight_);
            for (size_t row = 0; row < list_.rows.size(); ++row) {
                if (list_.rows[row].radio != radio)
                    continue;
                if (y_ + rowHeight_ > pageHeight_) {
                    NewPage();
                    Place({Piece::Header, radio, 0, 0}, rowHeight_);
                }
                Place({Piece::Row, radio, row, 0}, rowHeight_);
            }
        }
    }

    void NewPage() {
        pages_.emplace_back();
        y_ = 0;
    }

    void Place(Item item, qreal height) {
        item.y = y_;
        pages_.back().push_back(item);
        y_ += height;
    }

    void DrawCells(QPainter& painter, qreal y, const std::array<std::string, EXPORT_COLUMN_COUNT>* cells) {
        qreal x = 0;
        for (int column = 0; column < EXPORT_COLUMN_COUNT; ++column) {
            const qreal width = widths_[static_cast<size_t>(column)];
            const QString text =
                cells ? CellText((*cells)[static_cast<size_t>(column)]) : QString::fromLatin1(kExportHeadings[column]);
            if (!text.isEmpty()) {
                const Qt::Alignment align = cells ? AlignmentOf(column) : Qt::AlignLeft;
                painter.drawText(QRectF(x + padX_, y, width - 2 * padX_, rowHeight_),
                                 static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
            }
            x += width;
        }
    }

    void DrawPage(QPainter& painter, const std::vector<Item>& items) {
        const qreal tableWidth = Sum(widths_);
        const QPen rule(kRuleColor, kRulePt * dots_ / scale_);
        qreal tableTop = -1;
        qreal tableBottom = -1;
        auto closeTable = [&] {
            if (tableTop < 0)
                return;
            painter.setPen(rule);
            qreal x = 0;
            painter.drawLine(QPointF(x, tableTop), QPointF(x, tableBottom));
            for (const qreal width : widths_) {
                x += width;
                painter.drawLine(QPointF(x, tableTop), QPointF(x, tableBottom));
            }
            tableTop = -1;
        };
        for (const Item& item : items) {
            painter.setPen(Qt::black);
            switch (item.kind) {
            case Piece::Title:
                painter.setFont(title_);
                painter.drawText(QRectF(0, item.y, pageWidth_, LineHeight(title_)), Qt::AlignLeft | Qt::AlignTop,
                                 QFontMetricsF(title_, &writer_).elidedText(title_text_, Qt::ElideMiddle, pageWidth_));
                break;
            case Piece::Scope:
                painter.setFont(body_);
                painter.drawText(QRectF(0, item.y, pageWidth_, LineHeight(body_)), Qt::AlignLeft | Qt::AlignTop,
                                 CellText(list_.scopeText));
                break;
            case Piece::Heading: {
                closeTable();
                painter.setPen(Qt::black);
                painter.setFont(heading_);
                const qreal height = LineHeight(heading_);
                painter.drawText(QRectF(0, item.y + 6 * dots_, pageWidth_, height), Qt::AlignLeft | Qt::AlignTop,
                                 HeadingText(item.radio));
                break;
            }
            case Piece::Empty:
                painter.setFont(italic_);
                painter.drawText(QRectF(0, item.y, pageWidth_, rowHeight_), Qt::AlignLeft | Qt::AlignVCenter,
                                 QStringLiteral("No channels."));
                break;
            case Piece::Header:
                closeTable();
                painter.fillRect(QRectF(0, item.y, tableWidth, rowHeight_), kHeaderFill);
                painter.setFont(bold_);
                DrawCells(painter, item.y, nullptr);
                painter.setPen(rule);
                painter.drawLine(QPointF(0, item.y), QPointF(tableWidth, item.y));
                painter.drawLine(QPointF(0, item.y + rowHeight_), QPointF(tableWidth, item.y + rowHeight_));
                tableTop = item.y;
                tableBottom = item.y + rowHeight_;
                break;
            case Piece::Row:
                painter.setFont(body_);
                DrawCells(painter, item.y, &list_.rows[item.row].cells);
                painter.setPen(rule);
                painter.drawLine(QPointF(0, item.y + rowHeight_), QPointF(tableWidth, item.y + rowHeight_));
                tableBottom = item.y + rowHeight_;
                break;
            }
        }
        closeTable();
    }

    const ChannelExport& list_;
    QPdfWriter& writer_;
    const qreal dots_; // device pixels per point
    QFont body_, bold_, title_, heading_, italic_;
    QString title_text_;
    qreal padX_ = 0;
    qreal padY_ = 0;
    qreal rowHeight_ = 0;
    std::array<qreal, EXPORT_COLUMN_COUNT> widths_{};
    qreal scale_ = 1;
    qreal pageWidth_ = 0;
    qreal pageHeight_ = 0;
    qreal y_ = 0;
    std::vector<std::vector<Item>> pages_;
};

} // namespace

QByteArray ChannelListPdf(const ChannelExport& list, const QString& fileName) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QString title = fileName;
        if (!list.stamp.empty())
            title += QStringLiteral(", ") + QString::fromStdString(list.stamp);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Dishline"));
        // Eleven columns read best across the long side of the sheet.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        PdfPainter painter(list, fileName, writer);
        if (!painter.Draw())
            return QByteArray();
    }
    return bytes;
}
