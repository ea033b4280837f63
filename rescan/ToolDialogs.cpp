#include "rescan/ToolDialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Names and reports are UTF-8 of the ISO-8859-1 view; names alone are bytes.
QString FromName(const std::string& name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A standard button with the editor's own text, which gives it an accelerator.
QPushButton* AddButton(QDialogButtonBox* box, QDialogButtonBox::StandardButton which, const char* objectName) {
    QPushButton* button = box->addButton(which);
    button->setObjectName(QString::fromLatin1(objectName));
    switch (which) {
    case QDialogButtonBox::Ok:
        button->setText(QCoreApplication::translate("ToolDialogs", "&OK"));
        break;
    case QDialogButtonBox::Cancel:
        button->setText(QCoreApplication::translate("ToolDialogs", "&Cancel"));
        break;
    case QDialogButtonBox::Close:
        button->setText(QCoreApplication::translate("ToolDialogs", "&Close"));
        break;
    default:
        break;
    }
    return button;
}

} // namespace

// ---- Apply Order from File ----

ApplyOrderDialog::ApplyOrderDialog(const ApplyOrderPlan& plan, const QString& referenceName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("applyOrderDialog"));
    setWindowTitle(tr("Apply Order from File"));
    auto* layout = new QVBoxLayout(this);
    const ProgramMatching& m = plan.matching;
    auto* summary = new QLabel(tr("Reference: %1\n"
                                  "Matched by key: %2\n"
                                  "Matched by name: %3\n"
                                  "Programs of this file without a partner: %4\n"
                                  "Programs of the reference missing here: %5")
                                   .arg(referenceName)
                                   .arg(m.byKey)
                                   .arg(m.byName)
                                   .arg(m.TargetWithoutPartner())
                                   .arg(m.MissingFromTarget()));
    summary->setObjectName(QStringLiteral("summaryLabel"));
    layout->addWidget(summary);

    auto* without = new QListWidget;
    without->setObjectName(QStringLiteral("withoutPartnerList"));
    for (const std::string& name : plan.namesWithoutPartner)
        without->addItem(FromName(name));
    without->setVisible(!plan.namesWithoutPartner.empty());
    layout->addWidget(without);

    order_ = new QCheckBox(tr("Channel order"));
    order_->setObjectName(QStringLiteral("channelOrderCheck"));
    groups_ = new QCheckBox(tr("Favorite groups"));
    groups_->setObjectName(QStringLiteral("favoriteGroupsCheck"));
    for (QCheckBox* box : {order_, groups_}) {
        box->setChecked(true);
        layout->addWidget(box);
    }

    auto* buttons = new QDialogButtonBox;
    ok_ = AddButton(buttons, QDialogButtonBox::Ok, "okButton");
    AddButton(buttons, QDialogButtonBox::Cancel, "cancelButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing to take, nothing to confirm.
    auto update = [this] { ok_->setEnabled(order_->isChecked() || groups_->isChecked()); };
    connect(order_, &QCheckBox::toggled, this, update);
    connect(groups_, &QCheckBox::toggled, this, update);
}

bool ApplyOrderDialog::ChannelOrder() const {
    return order_->isChecked();
}

bool ApplyOrderDialog::FavoriteGroups() const {
    return groups_->isChecked();
}
