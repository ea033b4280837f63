// The one way the program shows message boxes, so that tests can script the answers and see the texts.
#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

class MessageBox {
public:
    enum Button { Ok, Yes, No, Cancel };
    enum Icon { IconNone, IconQuestion, IconExclamation, IconStop };

    struct Shown {
        Icon icon;
        QString text;
        QString caption;
        bool yesNoCancel;
        bool yesNo = false;
    };

    // Yes/No/Cancel with the question icon.
    static Button Question(QWidget* parent, const QString& text);
    // Yes/No with the question icon; Escape answers No.
    static Button QuestionYesNo(QWidget* parent, const QString& text);
    // OK with the stop icon.
    static void Error(QWidget* parent, const QString& text, const QString& caption = QString());
    // OK with the exclamation icon.
    static void Warning(QWidget* parent, const QString& text);
    // OK without an icon.
    static void Information(QWidget* parent, const QString& text);

    // ---- test seam ----
    // From now on boxes are not shown: each takes the next scripted answer (Ok for boxes with one
    // button), and a box without one is reported through onUnexpected and answered with Cancel.
    static void EnableTestMode(std::function<void(const QString& text)> onUnexpected);
    static void SetNextAnswer(Button answer);
    static size_t PendingAnswers();
    // The boxes shown since the last call, oldest first.
    static std::vector<Shown> TakeShown();

private:
    enum Buttons { ButtonsOk, ButtonsYesNo, ButtonsYesNoCancel };
    static Button Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& caption);
};
