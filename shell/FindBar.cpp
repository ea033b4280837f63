#include "shell/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("findBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);

    auto* label = new QLabel(tr("Find:"), this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("findText"));
    text_->setClearButtonEnabled(true);
    text_->setPlaceholderText(tr("Name, service ID or frequency"));
    label->setBuddy(text_);
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("findPosition"));
    position_->setMinimumWidth(position_->fontMetrics().horizontalAdvance(tr("%1 of %2").arg(65535).arg(65535)));

    auto makeButton = [this](const char* name, QStyle::StandardPixmap icon, const QString& tip) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(style()->standardIcon(icon));
        button->setToolTip(tip);
        button->setAutoRaise(true);
        return button;
    };
    QToolButton* previous = makeButton("findPrevious", QStyle::SP_ArrowUp, tr("Previous match (Shift+F3)"));
    QToolButton* next = makeButton("findNext", QStyle::SP_ArrowDown, tr("Next match (F3)"));
    filter_ = new QToolButton(this);
    filter_->setObjectName(QStringLiteral("findFilter"));
    filter_->setText(tr("Filter"));
    filter_->setCheckable(true);
    filter_->setToolTip(tr("Show only the matching programs with their transponders and satellites"));
    QToolButton* close = makeButton("findClose", QStyle::SP_TitleBarCloseButton, tr("Close (Esc)"));

    layout->addWidget(label);
    layout->addWidget(text_, 1);
    layout->addWidget(position_);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(filter_);
    layout->addWidget(close);

    connect(text_, &QLineEdit::textChanged, this, &FindBar::textChanged);
    connect(previous, &QToolButton::clicked, this, &FindBar::previousRequested);
    connect(next, &QToolButton::clicked, this, &FindBar::nextRequested);
    connect(filter_, &QToolButton::toggled, this, &FindBar::filterToggled);
    connect(close, &QToolButton::clicked, this, &FindBar::Close);
    hide();
}

void FindBar::Open() {
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

QString FindBar::Text() const {
    return text_->text();
}

bool FindBar::FilterOn() const {
    return filter_->isChecked();
}

void FindBar::ShowPosition(int position, int count) {
    if (text_->text().trimmed().isEmpty())
        position_->clear();
    else if (count == 0)
        position_->setText(tr("No matches"));
    else
        position_->setText(tr("%1 of %2").arg(position).arg(count));
}

void FindBar::Close() {
    if (isHidden())
        return;
    filter_->setChecked(false);
    hide();
    emit closed();
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    // The line edit passes Enter and Escape on to its parent.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & Qt::ShiftModifier)
            emit previousRequested();
        else
            emit nextRequested();
        event->accept();
        return;
    case Qt::Key_Escape:
        Close();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
