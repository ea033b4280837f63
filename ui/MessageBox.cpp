#include "ui/MessageBox.h"

#include "ui/AppInfo.h"

#include <QMessageBox>

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
    case MessageBox::IconNone:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageBox::Button MessageBox::Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                                    const QString& caption) {
    const QString title = caption.isEmpty() ? QString::fromLatin1(kApplicationName) : caption;
    TestState& state = State();
    if (state.enabled) {
        state.shown.push_back({icon, text, title, buttons == ButtonsYesNoCancel, buttons == ButtonsYesNo});
        if (state.answers.empty()) {
            if (state.onUnexpected)
                state.onUnexpected(text);
            return buttons == ButtonsYesNo ? No : Cancel;
        }
        const Button answer = state.answers.front();
        state.answers.pop_front();
        return answer;
    }

    QMessageBox::StandardButtons choices = QMessageBox::Ok;
    if (buttons == ButtonsYesNo)
        choices = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == ButtonsYesNoCancel)
        choices = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(ToQt(icon), title, text, choices, parent);
    box.setDefaultButton(buttons == ButtonsOk ? QMessageBox::Ok : QMessageBox::Yes);
    if (buttons == ButtonsYesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons == ButtonsYesNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    case QMessageBox::Ok:
        return Ok;
    default:
        return buttons == ButtonsYesNoCancel ? Cancel : (buttons == ButtonsYesNo ? No : Ok);
    }
}

MessageBox::Button MessageBox::Question(QWidget* parent, const QString& text) {
    return Show(parent, text, IconQuestion, ButtonsYesNoCancel, QString());
}

MessageBox::Button MessageBox::QuestionYesNo(QWidget* parent, const QString& text) {
    return Show(parent, text, IconQuestion, ButtonsYesNo, QString());
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
