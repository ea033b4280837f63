#include "export/ExportDialog.h"

#include "database/DisplayTables.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* AddChoice(QGridLayout* grid, const QString& text, const char* name) {
    auto* button = new QRadioButton(text);
    button->setObjectName(QString::fromLatin1(name));
    grid->addWidget(button, grid->rowCount(), 0);
    return button;
}

int g_progressDelay = 500;

} // namespace

int ExportDialog::ProgressDelay() {
    return g_progressDelay;
}

void ExportDialog::SetProgressDelay(int milliseconds) {
    g_progressDelay = milliseconds;
}

ExportTexts ExportDialog::Texts() {
    auto text = [](const QString& translated) { return translated.toStdString(); };
    ExportTexts texts;
    //: The language code of the exported web page's lang attribute: "de" in German.
    texts.language = text(tr("en"));
    texts.headings = {text(tr("No.")),        text(tr("Name")),      text(tr("Type")),     text(tr("Satellite")),
                      text(tr("Position")),   text(tr("Frequency")), text(tr("Polarity")), text(tr("Symbol Rate")),
                      text(tr("Service ID")), text(tr("CA")),        text(tr("Favorites"))};
    texts.title = text(tr("Channel list: %1"));
    texts.tvList = text(tr("TV"));
    texts.radioList = text(tr("Radio"));
    texts.oneChannel = text(tr("%1 channel"));
    texts.channels = text(tr("%1 channels"));
    texts.noChannels = text(tr("No channels."));
    texts.page = text(tr("Page %1 of %2"));
    texts.allChannels = text(tr("All channels"));
    texts.tvChannels = text(tr("TV channels"));
    texts.radioChannels = text(tr("Radio channels"));
    texts.satellite = text(tr("Satellite %1 (%2)"));
    texts.favoriteGroup = text(tr("Favorite group %1"));
    texts.typeTv = text(tr("TV"));
    texts.typeRadio = text(tr("Radio"));
    return texts;
}

ExportDialog::ExportDialog(const NetworkDatabase& database, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("exportDialog"));
    setWindowTitle(tr("Export Channel List"));

    auto* grid = new QGridLayout;
    all_ = AddChoice(grid, tr("&All channels"), "scopeAll");
    tv_ = AddChoice(grid, tr("&TV channels"), "scopeTv");
    radio_ = AddChoice(grid, tr("&Radio channels"), "scopeRadio");
    satellite_ = AddChoice(grid, tr("One &satellite:"), "scopeSatellite");
    satellites_ = new QComboBox;
    satellites_->setObjectName(QStringLiteral("satelliteCombo"));
    grid->addWidget(satellites_, grid->rowCount() - 1, 1);
    group_ = AddChoice(grid, tr("One &favorite group:"), "scopeGroup");
    groups_ = new QComboBox;
    groups_->setObjectName(QStringLiteral("groupCombo"));
    grid->addWidget(groups_, grid->rowCount() - 1, 1);
    grid->setColumnStretch(1, 1);

    satelliteCounts_.assign(database.networks().size(), 0);
    for (const auto& program : database.programs()) {
        ++(program->IsRadio() ? radioCount_ : tvCount_);
        if (program->transponderIndex >= database.transponders().size())
            continue;
        const uint8_t network = database.transponders()[program->transponderIndex]->networkIndex;
        if (network < satelliteCounts_.size())
            ++satelliteCounts_[network];
    }
    // The networks that programs of either service type are on, in slot order.
    for (size_t slot = 0; slot < satelliteCounts_.size(); ++slot) {
        if (satelliteCounts_[slot] == 0)
            continue;
        const Network& network = *database.networks()[slot];
        satellites_->addItem(QString::fromLatin1(network.name) + QStringLiteral(" (") +
                                 QString::fromStdString(FormatPosition(network)) + QLatin1Char(')'),
                             static_cast<qulonglong>(slot));
    }
    // As in the Channel List: the groups that list a channel, an empty name shown as "Fav%u".
    for (size_t i = 0; i < database.favoriteGroups().size(); ++i) {
        const FavoriteGroup& group = *database.favoriteGroups()[i];
        size_t listed = 0;
        for (const std::vector<uint16_t>* entries : {&group.tvList, &group.radioList}) {
            for (const uint16_t entry : *entries)
                listed += entry < database.programs().size() ? 1 : 0;
        }
        groupCounts_.push_back(listed);
        if (group.tvList.empty() && group.radioList.empty())
            continue;
        const QString name = group.name.empty() ? tr("Fav%1").arg(i + 1) : QString::fromLatin1(group.name);
        groups_->addItem(name, static_cast<qulonglong>(i));
    }
    satellite_->setEnabled(satellites_->count() > 0);
    group_->setEnabled(groups_->count() > 0);
    all_->setChecked(true);
    for (QRadioButton* button : {all_, tv_, radio_, satellite_, group_})
        connect(button, &QRadioButton::toggled, this, &ExportDialog::UpdateCombos);
    for (QComboBox* combo : {satellites_, groups_})
        connect(combo, &QComboBox::currentIndexChanged, this, &ExportDialog::UpdateCombos);
    printNote_ = new QLabel;
    printNote_->setObjectName(QStringLiteral("printNote"));
    printNote_->setWordWrap(true);
    UpdateCombos();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(printNote_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ExportDialog::UpdateCombos() {
    satellites_->setEnabled(satellite_->isChecked());
    groups_->setEnabled(group_->isChecked());
    const size_t rows = RowCount(Scope());
    printNote_->setText(tr("%1 channels: a web page this long is more than a browser prints well. "
                           "To print the list, export it as a PDF file.")
                            .arg(rows));
    printNote_->setVisible(rows > kHtmlPrintableRows);
}

size_t ExportDialog::RowCount(const ExportScope& scope) const {
    switch (scope.kind) {
    case SCOPE_ALL:
        return tvCount_ + radioCount_;
    case SCOPE_TV:
        return tvCount_;
    case SCOPE_RADIO:
        return radioCount_;
    case SCOPE_SATELLITE:
        return scope.index < satelliteCounts_.size() ? satelliteCounts_[scope.index] : 0;
    case SCOPE_GROUP:
        return scope.index < groupCounts_.size() ? groupCounts_[scope.index] : 0;
    }
    return 0;
}

ExportScope ExportDialog::Scope() const {
    if (tv_->isChecked())
        return {SCOPE_TV, 0};
    if (radio_->isChecked())
        return {SCOPE_RADIO, 0};
    if (satellite_->isChecked() && satellites_->currentIndex() >= 0)
        return {SCOPE_SATELLITE, static_cast<size_t>(satellites_->currentData().toULongLong())};
    if (group_->isChecked() && groups_->currentIndex() >= 0)
        return {SCOPE_GROUP, static_cast<size_t>(groups_->currentData().toULongLong())};
    return {SCOPE_ALL, 0};
}
