// The one way the program shows message boxes, so that tests can script the answers and see the texts.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QMessageBox;
class QWidget;

class MessageBox {
public:
    enum Button { Ok, Yes, No, Cancel };
    enum Icon { IconNone, IconQuestion, IconExclamation, IconStop, IconInformation };
    enum Buttons { ButtonsOk, ButtonsYesNo, ButtonsYesNoCancel, ButtonsYesNoDefaultNo };

    struct Shown {
        Icon icon;
        QString text;
        QString caption;
        bool yesNoCancel;
        Buttons buttons;
    };

    // Yes/No/Cancel with the question icon.
    static Button Question(QWidget* parent, const QString& text);
    // Yes/No with the question icon; Escape answers No.
    static Button YesNoQuestion(QWidget* parent, const QString& text);
    // The same for a question whose Yes loses work: No is the default button, so that Enter, like
    // Escape, answers No.
    static Button YesNoQuestionDefaultNo(QWidget* parent, const QString& text);
    // OK with the stop icon.
    static void Error(QWidget* parent, const QString& text, const QString& caption = QString());
    // OK with the exclamation icon.
    static void Warning(QWidget* parent, const QString& text);
    // OK without an icon.
    static void Information(QWidget* parent, const QString& text);
    // OK with the information icon.
    static void Notice(QWidget* parent, const QString& text);

    // The box as it is shown outside test mode, not yet run; the caption is the application's name
    // when none is given. At least wide enough for the caption and the title bar's buttons.
    static std::unique_ptr<QMessageBox> Build(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                                              const QString& caption = QString());
    // The width a window needs beside its caption's text for the title bar's icon and buttons.
    static int TitleBarAllowance(const QWidget* window);

    // ---- test seam ----
    // From now on boxes are not shown: each takes the next scripted answer (Ok for boxes with one
    // button), and a box without one is reported through onUnexpected and answered with Cancel.
    static void EnableTestMode(std::function<void(const QString& text)> onUnexpected);
    static void SetNextAnswer(Button answer);
    static size_t PendingAnswers();
    // The boxes shown since the last call, oldest first.
    static std::vector<Shown> TakeShown();

private:
    static Button Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& caption);
};
