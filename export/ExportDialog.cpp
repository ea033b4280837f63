#include "export/ExportDialog.h"

#include "database/DisplayTables.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
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

// Slots of the networks that programs of either service type are on, in slot order.
std::vector<size_t> SatellitesWithPrograms(const NetworkDatabase& database) {
    std::vector<bool> used(database.networks().size(), false);
    for (const auto& program : database.programs()) {
        if (program->transponderIndex >= database.transponders().size())
            continue;
        const uint8_t network = database.transponders()[program->transponderIndex]->networkIndex;
        if (network < used.size())
            used[network] = true;
    }
    std::vector<size_t> found;
    for (size_t slot = 0; slot < used.size(); ++slot) {
        if (used[slot])
            found.push_back(slot);
    }
    return found;
}

} // namespace

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

    for (const size_t slot : SatellitesWithPrograms(database)) {
        const Network& network = *database.networks()[slot];
        satellites_->addItem(QString::fromLatin1(network.name) + QStringLiteral(" (") +
                                 QString::fromStdString(FormatPosition(network)) + QLatin1Char(')'),
                             static_cast<qulonglong>(slot));
    }
    // As in the Channel List: the groups that list a channel, an empty name shown as "Fav%u".
    for (size_t i = 0; i < database.favoriteGroups().size(); ++i) {
        const FavoriteGroup& group = *database.favoriteGroups()[i];
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
    UpdateCombos();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ExportDialog::UpdateCombos() {
    satellites_->setEnabled(satellite_->isChecked());
    groups_->setEnabled(group_->isChecked());
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
