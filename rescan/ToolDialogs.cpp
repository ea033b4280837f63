#include "rescan/ToolDialogs.h"
#include "rescan/DialogParts.h"

#include "ui/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Names and reports are UTF-8 of the ISO-8859-1 view; names alone are bytes.
QString FromName(const std::string& name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

using dialogparts::AddButton;

} // namespace

// ---- Apply Order from File ----

namespace {

// "Astra 1KR (19.2E)".
QString SatelliteText(const NetworkDatabase& db, uint32_t slot) {
    if (slot >= db.networks().size())
        return QCoreApplication::translate("ApplyOrderDialog", "(none)");
    const Network& network = *db.networks()[slot];
    return QCoreApplication::translate("ApplyOrderDialog", "%1 (%2)")
        .arg(FromName(network.name), QString::fromStdString(DescribePosition(network.position)));
}

QTreeWidget* Table(const char* objectName, const QStringList& headings) {
    auto* table = new QTreeWidget;
    table->setObjectName(QString::fromLatin1(objectName));
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setHeaderLabels(headings);
    // Numbers stay beside their headings instead of at the far edge.
    table->header()->setStretchLastSection(false);
    return table;
}

// What a channel table sorts a column by; cells without it sort by their text.
constexpr int kSortRole = Qt::UserRole;

// A channel row sorts by the number a cell keeps (No. by the list's order, frequency and service
// ID by value: 900 before 28006), else by text as the user's language orders it.
class ChannelRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, kSortRole);
        const QVariant theirs = other.data(column, kSortRole);
        if (mine.isValid() && theirs.isValid())
            return mine.toLongLong() < theirs.toLongLong();
        return text(column).localeAwareCompare(other.text(column)) < 0;
    }
};

// One row per channel: number, name, satellite, frequency, polarity, service ID and, for the
// reference's channels, their favorite groups. The rows come in the list's order, and the
// headings sort them; "No." gives that order back.
QTreeWidget* ChannelTable(const char* objectName, const NetworkDatabase& db,
                          const std::vector<PlannedChannel>& channels, bool withGroups) {
    QStringList headings = {QCoreApplication::translate("ApplyOrderDialog", "No."),
                            QCoreApplication::translate("ApplyOrderDialog", "Name"),
                            QCoreApplication::translate("ApplyOrderDialog", "Satellite"),
                            QCoreApplication::translate("ApplyOrderDialog", "Frequency"),
                            QCoreApplication::translate("ApplyOrderDialog", "Polarity"),
                            QCoreApplication::translate("ApplyOrderDialog", "Service ID")};
    if (withGroups)
        headings << QCoreApplication::translate("ApplyOrderDialog", "Favorites");
    QTreeWidget* table = Table(objectName, headings);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(channels.size()));
    for (const PlannedChannel& channel : channels) {
        QStringList cells = {(channel.radio ? QCoreApplication::translate("ApplyOrderDialog", "Radio %1")
                                            : QCoreApplication::translate("ApplyOrderDialog", "TV %1"))
                                 .arg(channel.number),
                             FromName(channel.name),
                             SatelliteText(db, channel.satellite),
                             channel.hasTransponder ? QString::number(channel.frequency) : QString(),
                             channel.hasTransponder ? QString::fromLatin1(PolarityLetter(channel.polarity)) : QString(),
                             QString::number(channel.serviceId)};
        if (withGroups) {
            QStringList groups;
            for (const uint8_t group : channel.groups)
                groups << FromName(GroupName(db, group));
            cells << groups.join(QStringLiteral(", "));
        }
        auto* row = new ChannelRow(cells);
        row->setData(0, kSortRole, static_cast<qlonglong>(rows.size()));
        row->setData(3, kSortRole, channel.hasTransponder ? static_cast<qlonglong>(channel.frequency) : -1);
        row->setData(5, kSortRole, static_cast<qlonglong>(channel.serviceId));
        for (const int column : {3, 5})
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        rows << row;
    }
    table->addTopLevelItems(rows);
    // Each heading sorts ascending first, whatever the column before it did.
    for (int column = 0; column < headings.size(); ++column)
        table->headerItem()->setData(column, Qt::InitialSortOrderRole, static_cast<int>(Qt::AscendingOrder));
    table->header()->setSortIndicator(0, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    for (int column = 0; column < headings.size(); ++column)
        table->resizeColumnToContents(column);
    return table;
}

QWidget* Titled(QLabel* title, QWidget* content) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    title->setBuddy(content);
    layout->addWidget(title);
    layout->addWidget(content);
    return box;
}

} // namespace

ApplyOrderDialog::ApplyOrderDialog(const ApplyOrderPlan& plan, const NetworkDatabase& reference,
                                   const NetworkDatabase& here, const QString& referenceName, QWidget* parent)
    : QDialog(parent), plan_(plan) {
    setObjectName(QStringLiteral("applyOrderDialog"));
    setWindowTitle(tr("Apply Order from File"));
    auto* layout = new QVBoxLayout(this);
    const ProgramMatching& m = plan.matching;
    auto* summary = new QLabel(
        tr("Reference: %1\n"
           "%2 of %3 channels of the reference paired: %4 by service ID and frequency, %5 by service ID alone, "
           "%6 by name.\n"
           "Satellites pair by position within %7°, channels by service ID and frequency within %8 MHz, "
           "then by name (without regard to case and a trailing HD, SD or UHD).")
            .arg(referenceName)
            .arg(m.Matched())
            .arg(reference.programs().size())
            .arg(m.byKey)
            .arg(m.byServiceId)
            .arg(m.byName)
            .arg(QLocale().toString(kPositionTolerance / 10.0, 'f', 1))
            .arg(kFrequencyTolerance));
    summary->setObjectName(QStringLiteral("summaryLabel"));
    summary->setWordWrap(true);
    layout->addWidget(summary);

    // The satellites: the reference's with their partners, then those here without one.
    QTreeWidget* satellites =
        Table("satelliteTable", {tr("Reference satellite"), tr("Satellite here"), tr("Channels in the reference"),
                                 tr("Paired"), tr("Channels here")});
    QStringList unpaired;
    for (const PlannedSatellite& satellite : plan.satellites) {
        auto* row = new QTreeWidgetItem(
            {SatelliteText(reference, satellite.referenceSlot),
             satellite.referenceSlot != NO_PARTNER && satellite.targetSlot == NO_PARTNER
                 ? tr("not found here")
                 : SatelliteText(here, satellite.targetSlot),
             satellite.referenceSlot != NO_PARTNER ? QString::number(satellite.referenceChannels) : QString(),
             satellite.referenceSlot != NO_PARTNER ? QString::number(satellite.paired) : QString(),
             satellite.targetSlot != NO_PARTNER ? QString::number(satellite.targetChannels) : QString()});
        for (const int column : {2, 3, 4})
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (satellite.referenceSlot != NO_PARTNER && satellite.targetSlot == NO_PARTNER &&
            satellite.referenceChannels > 0) {
            unpaired << tr("%1: %2 channels").arg(row->text(0)).arg(satellite.referenceChannels);
            QFont bold = row->font(1);
            bold.setBold(true);
            row->setFont(1, bold);
        }
        satellites->addTopLevelItem(row);
    }
    for (int column = 0; column < satellites->columnCount(); ++column)
        satellites->resizeColumnToContents(column);
    // Every satellite in sight, up to a dozen: the pairing is what the user checks first.
    const int shownRows = std::clamp(satellites->topLevelItemCount(), 1, 12);
    const int rowHeight = satellites->topLevelItemCount() > 0 ? satellites->sizeHintForRow(0) : fontMetrics().height();
    satellites->setMinimumHeight(satellites->header()->sizeHint().height() + shownRows * rowHeight +
                                 2 * satellites->frameWidth() + 2);
    unpaired_ = unpaired.join(QLatin1Char('\n'));

    auto* warning = new QLabel(tr("Satellites of the reference with channels and no partner here: %1. Their "
                                  "channels and favorites cannot be placed.")
                                   .arg(unpaired.size()));
    warning->setObjectName(QStringLiteral("warningLabel"));
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("font-weight: bold"));
    warning->setVisible(!unpaired.isEmpty());

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(Titled(new QLabel(tr("&Satellites:")), satellites));
    splitter->addWidget(
        Titled(new QLabel(tr("Channels of the reference &not found here: %1").arg(plan.notFoundHere.size())),
               ChannelTable("notFoundTable", reference, plan.notFoundHere, true)));
    splitter->addWidget(Titled(new QLabel(tr("Channels here &without a partner: %1").arg(plan.withoutPartner.size())),
                               ChannelTable("withoutPartnerTable", here, plan.withoutPartner, false)));
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 1);
    // The satellites as tall as their rows, the channel tables share the rest.
    splitter->setSizes({satellites->minimumHeight(), 1000, 1000});
    layout->addWidget(splitter, 1);
    layout->addWidget(warning);

    order_ = new QCheckBox(tr("Channel o&rder"));
    order_->setObjectName(QStringLiteral("channelOrderCheck"));
    groups_ = new QCheckBox(tr("&Favorite groups"));
    groups_->setObjectName(QStringLiteral("favoriteGroupsCheck"));
    marks_ =
        new QCheckBox(tr("&Locks, skips and \"Don't update\" marks, with the names kept by \"Don't update name\""));
    marks_->setObjectName(QStringLiteral("marksCheck"));
    names_ = new QCheckBox(tr("&Every name from the reference"));
    names_->setObjectName(QStringLiteral("namesCheck"));
    for (QCheckBox* box : {order_, groups_, marks_, names_}) {
        box->setChecked(box != names_);
        layout->addWidget(box);
    }

    auto* buttons = new QDialogButtonBox;
    ok_ = AddButton(buttons, QDialogButtonBox::Ok, "okButton");
    AddButton(buttons, QDialogButtonBox::Cancel, "cancelButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing to take, nothing to confirm.
    auto update = [this] {
        ok_->setEnabled(order_->isChecked() || groups_->isChecked() || marks_->isChecked() || names_->isChecked());
    };
    for (QCheckBox* box : {order_, groups_, marks_, names_})
        connect(box, &QCheckBox::toggled, this, update);
    resize(920, 720);
}

ApplyOrderOptions ApplyOrderDialog::Options() const {
    return ApplyOrderOptions{order_->isChecked(), groups_->isChecked(), marks_->isChecked(), names_->isChecked()};
}

void ApplyOrderDialog::accept() {
    if (!unpaired_.isEmpty() &&
        MessageBox::YesNoQuestionDefaultNo(
            this, tr("These satellites of the reference have channels and no partner here:\n%1\n\nTheir channels "
                     "and favorites will not be placed. Apply anyway?")
                      .arg(unpaired_)) != MessageBox::Yes)
        return;
    QDialog::accept();
}
