#include "channellist/FavoriteNamesDialog.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QValidator::State GroupNameValidator::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (c.unicode() > 0xFF)
            return Invalid;
    }
    return Acceptable;
}

FavoriteNamesDialog::FavoriteNamesDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Favorite Group Name"));
    setModal(true);

    auto* form = new QFormLayout;
    auto* validator = new GroupNameValidator(this);
    for (int i = 0; i < MAX_FAVORITE_GROUPS; ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("name%1").arg(i + 1));
        field->setMaxLength(static_cast<int>(MAX_NAME_BYTES));
        field->setValidator(validator);
        field->setMinimumWidth(220);
        auto* label = new QLabel(QStringLiteral("&%1").arg(i + 1), this);
        label->setBuddy(field);
        form->addRow(label, field);
        fields_[static_cast<size_t>(i)] = field;
    }

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

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
    layout->addWidget(line);
    layout->addLayout(buttons);
    setFixedHeight(sizeHint().height());
}

void FavoriteNamesDialog::SetName(int i, const std::string& name) {
    if (i < 0 || i >= MAX_FAVORITE_GROUPS)
        return;
    names_[static_cast<size_t>(i)] = name;
    fields_[static_cast<size_t>(i)]->setText(QString::fromLatin1(name));
    fields_[static_cast<size_t>(i)]->setCursorPosition(0);
}

void FavoriteNamesDialog::accept() {
    for (int i = 0; i < MAX_FAVORITE_GROUPS; ++i)
        names_[static_cast<size_t>(i)] = fields_[static_cast<size_t>(i)]->text().toLatin1().toStdString();
    QDialog::accept();
}
