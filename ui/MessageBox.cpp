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

MessageBox::Button MessageBox::Show(QWidget* parent, const QString& text, Icon icon, bool yesNoCancel,
                                    const QString& caption) {
    const QString title = caption.isEmpty() ? QString::fromLatin1(kApplicationName) : caption;
    TestState& state = State();
    if (state.enabled) {
        state.shown.push_back({icon, text, title, yesNoCancel});
        if (state.answers.empty()) {
            if (state.onUnexpected)
                state.onUnexpected(text);
            return Cancel;
        }
        const Button answer = state.answers.front();
        state.answers.pop_front();
        return answer;
    }

    QMessageBox box(ToQt(icon), title, text,
                    yesNoCancel ? (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) : QMessageBox::Ok,
                    parent);
    box.setDefaultButton(yesNoCancel ? QMessageBox::Yes : QMessageBox::Ok);
    if (yesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    case QMessageBox::Ok:
        return Ok;
    default:
        return yesNoCancel ? Cancel : Ok;
    }
}

MessageBox::Button MessageBox::Question(QWidget* parent, const QString& text) {
    return Show(parent, text, IconQuestion, true, QString());
}

void MessageBox::Error(QWidget* parent, const QString& text, const QString& caption) {
    Show(parent, text, IconStop, false, caption);
}

void MessageBox::Warning(QWidget* parent, const QString& text) {
    Show(parent, text, IconExclamation, false, QString());
}

void MessageBox::Information(QWidget* parent, const QString& text) {
    Show(parent, text, IconNone, false, QString());
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
