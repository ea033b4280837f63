#include "forms/FormPane.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCheckIndent = 4;
}

FormPane::FormPane(QWidget* parent) : QWidget(parent) {
    outer_ = new QVBoxLayout(this);
    rows_ = new QGridLayout;
    rows_->setColumnStretch(1, 1);
    outer_->addLayout(rows_);
}

void FormPane::RememberShownTexts() {
    shownTexts_.clear();
    // Editable drop-downs hold a line edit of their own: it is found here too.
    for (const QLineEdit* edit : findChildren<QLineEdit*>())
        shownTexts_.insert(edit, edit->text());
}

bool FormPane::Untouched(const QLineEdit* edit) const {
    const auto shown = shownTexts_.constFind(edit);
    return shown != shownTexts_.constEnd() && *shown == edit->text();
}

bool FormPane::Untouched(const QComboBox* box) const {
    return box->lineEdit() && Untouched(box->lineEdit());
}

QLabel* FormPane::AddRow(const QString& label, QWidget* control) {
    auto* text = new QLabel(label, this);
    labels_.append(text);
    text->setBuddy(control);
    rows_->addWidget(text, rowCount_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    rows_->addWidget(control, rowCount_, 1);
    ++rowCount_;
    return text;
}

QLabel* FormPane::AddRow(const QString& label, QLayout* controls) {
    auto* text = new QLabel(label, this);
    labels_.append(text);
    rows_->addWidget(text, rowCount_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    rows_->addLayout(controls, rowCount_, 1);
    ++rowCount_;
    return text;
}

QLabel* FormPane::AddCheckRow(const QString& label, QAbstractButton* box) {
    QLabel* text = AddRow(label, Indented(box));
    text->setBuddy(box);
    return text;
}

int FormPane::LabelColumnWidth() const {
    int width = 0;
    for (const QLabel* label : labels_)
        width = qMax(width, label->sizeHint().width());
    return width;
}

void FormPane::SetColumnWidth(int width) {
    rows_->setColumnMinimumWidth(0, width);
    rows_->setColumnMinimumWidth(1, width);
    if (ok_)
        ok_->setMinimumWidth(width);
}

void FormPane::AddControlOnly(QWidget* control) {
    rows_->addWidget(control, rowCount_, 1);
    ++rowCount_;
}

void FormPane::AddWide(QWidget* widget) {
    rows_->addWidget(widget, rowCount_, 0, 1, 2);
    ++rowCount_;
}

QLayout* FormPane::Indented(QWidget* widget) {
    auto* box = new QHBoxLayout;
    box->setContentsMargins(kCheckIndent, 0, 0, 0);
    box->addWidget(widget);
    box->addStretch(1);
    return box;
}

void FormPane::Finish() {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    outer_->addWidget(line);

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    ok_->setMinimumWidth(fontMetrics().averageCharWidth() * 14);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(ok_);
    buttonRow->addStretch(1);
    outer_->addLayout(buttonRow);
    outer_->addStretch(1);
    connect(ok_, &QPushButton::clicked, this, &FormPane::okClicked);
}

// A pane lives in a dock, not a dialog, so Enter in a text box has to reach the default button here.
void FormPane::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && ok_ && ok_->isEnabled()) {
        ok_->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
