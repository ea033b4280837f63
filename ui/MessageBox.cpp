#include "ui/MessageBox.h"

#include "ui/AppInfo.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

#include <deque>

namespace {

struct TestState {
    bool enabled = false;
    std::function<void(const QString&)> onUnexpected;
    std::deque<MessageBox::Button> answers;
    std::vector<MessageBox::Shown> shown;
};

TestState& State() {
    static TestState state;
    return state;
}

QMessageBox::Icon ToQt(MessageBox::Icon icon) {
    switch (icon) {
    case MessageBox::IconQuestion:
        return QMessageBox::Question;
    case MessageBox::IconExclamation:
        return QMessageBox::Warning;
    case MessageBox::IconStop:
        return QMessageBox::Critical;
    case MessageBox::IconInformation:
        return QMessageBox::Information;
    case MessageBox::IconNone:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::unique_ptr<QMessageBox> MessageBox::Build(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                                               const QString& caption) {
    const QString title = caption.isEmpty() ? QString::fromLatin1(kApplicationName) : caption;
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == ButtonsYesNo || buttons == ButtonsYesNoDefaultNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == ButtonsYesNoCancel)
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    auto box = std::make_unique<QMessageBox>(ToQt(icon), title, text, standard, parent);
    box->setDefaultButton(buttons == ButtonsOk               ? QMessageBox::Ok
                          : buttons == ButtonsYesNoDefaultNo ? QMessageBox::No
                                                             : QMessageBox::Yes);
    if (buttons != ButtonsOk)
        box->setEscapeButton(buttons == ButtonsYesNoCancel ? QMessageBox::Cancel : QMessageBox::No);

    // A short text would make the box narrower than its caption, which the title bar then cuts.
    // The box sizes itself from its layout and ignores a minimum width, so the width goes there.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        QFont titleFont = box->font();
        titleFont.setBold(true);
        const int width = QFontMetrics(titleFont).horizontalAdvance(title) + TitleBarAllowance(box.get());
        const QMargins margins = grid->contentsMargins();
        grid->addItem(
            new QSpacerItem(width - margins.left() - margins.right(), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

int MessageBox::TitleBarAllowance(const QWidget* window) {
    // The window's icon and three buttons, each about a title bar high, and a little space around.
    return 5 * window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
}

MessageBox::Button MessageBox::Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                                    const QString& caption) {
    TestState& state = State();
    if (state.enabled) {
        const QString title = caption.isEmpty() ? QString::fromLatin1(kApplicationName) : caption;
        state.shown.push_back({icon, text, title, buttons == ButtonsYesNoCancel, buttons});
        if (state.answers.empty()) {
            if (state.onUnexpected)
                state.onUnexpected(text);
            return Cancel;
        }
        const Button answer = state.answers.front();
        state.answers.pop_front();
        return answer;
    }

    const std::unique_ptr<QMessageBox> box = Build(parent, text, icon, buttons, caption);
    switch (box->exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    case QMessageBox::Ok:
        return Ok;
    default:
        return buttons == ButtonsYesNoCancel ? Cancel : (buttons == ButtonsOk ? Ok : No);
    }
}

MessageBox::Button MessageBox::Question(QWidget* parent, const QString& text) {
    return Show(parent, text, IconQuestion, ButtonsYesNoCancel, QString());
}

MessageBox::Button MessageBox::YesNoQuestion(QWidget* parent, const QString& text) {
    return Show(parent, text, IconQuestion, ButtonsYesNo, QString());
}

MessageBox::Button MessageBox::YesNoQuestionDefaultNo(QWidget* parent, const QString& text) {
    return Show(parent, text, IconQuestion, ButtonsYesNoDefaultNo, QString());
}

void MessageBox::Error(QWidget* parent, const QString& text, const QString& caption) {
    Show(parent, text, IconStop, ButtonsOk, caption);
}

void MessageBox::Warning(QWidget* parent, const QString& text) {
    Show(parent, text, IconExclamation, ButtonsOk, QString());
}

void MessageBox::Information(QWidget* parent, const QString& text) {
    Show(parent, text, IconNone, ButtonsOk, QString());
}

void MessageBox::Notice(QWidget* parent, const QString& text) {
    Show(parent, text, IconInformation, ButtonsOk, QString());
}

void MessageBox::EnableTestMode(std::function<void(const QString&)> onUnexpected) {
    TestState& state = State();
    state.enabled = true;
    state.onUnexpected = std::move(onUnexpected);
    state.answers.clear();
    state.shown.clear();
}

void MessageBox::SetNextAnswer(Button answer) {
    State().answers.push_back(answer);
}

size_t MessageBox::PendingAnswers() {
    return State().answers.size();
}

std::vector<MessageBox::Shown> MessageBox::TakeShown() {
    std::vector<Shown> shown;
    shown.swap(State().shown);
    return shown;
}
