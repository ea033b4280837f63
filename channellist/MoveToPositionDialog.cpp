#include "channellist/MoveToPositionDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

MoveToPositionDialog::MoveToPositionDialog(int rowCount, int number, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Move to Position"));
    setModal(true);

    spin_ = new QSpinBox(this);
    spin_->setObjectName(QStringLiteral("positionSpin"));
    spin_->setRange(1, std::max(rowCount, 1));
    spin_->setValue(std::clamp(number, 1, std::max(rowCount, 1)));
    spin_->setMinimumWidth(90);
    auto* label = new QLabel(tr("&Number (1 to %1):").arg(std::max(rowCount, 1)), this);
    label->setBuddy(spin_);
    auto* form = new QFormLayout;
    form->addRow(label, spin_);

    auto* okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(tr("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    spin_->selectAll();
    setFixedSize(sizeHint());
}

int MoveToPositionDialog::Number() const {
    return spin_->value();
}
