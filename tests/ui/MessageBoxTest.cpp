// The message boxes as they are shown outside test mode.
#include "ui/MessageBox.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxTest, SmallestBoxesAreWideEnoughForTheirCaption) {
    struct Case {
        const char* text;
        MessageBox::Icon icon;
    };
    for (const Case& c : {Case{"Not yet ...", MessageBox::IconNone}, Case{"Invalid PID", MessageBox::IconStop},
                          Case{"OK", MessageBox::IconInformation}}) {
        SCOPED_TRACE(c.text);
        const auto box = MessageBox::Build(nullptr, QString::fromLatin1(c.text), c.icon, MessageBox::ButtonsOk);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Tabulon"));
        box->show(); // the box sets its size as it is shown
        QFont titleFont = box->font();
        titleFont.setBold(true);
        const int caption = QFontMetrics(titleFont).horizontalAdvance(QStringLiteral("Tabulon"));
        EXPECT_GE(MessageBox::TitleBarAllowance(box.get()), 3 * QFontMetrics(titleFont).height());
        EXPECT_GE(box->width(), caption + MessageBox::TitleBarAllowance(box.get()));
        box->hide();
    }
}

TEST(MessageBoxTest, ButtonsOfEachKindOfBox) {
    const auto question =
        MessageBox::Build(nullptr, QStringLiteral("?"), MessageBox::IconQuestion, MessageBox::ButtonsYesNo);
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question->icon(), QMessageBox::Question);
    EXPECT_EQ(static_cast<QAbstractButton*>(question->defaultButton()), question->button(QMessageBox::Yes));
    EXPECT_EQ(question->escapeButton(), question->button(QMessageBox::No));
    // A question whose Yes loses work: Enter and Escape both answer No.
    const auto cautious =
        MessageBox::Build(nullptr, QStringLiteral("?"), MessageBox::IconQuestion, MessageBox::ButtonsYesNoDefaultNo);
    EXPECT_EQ(cautious->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(static_cast<QAbstractButton*>(cautious->defaultButton()), cautious->button(QMessageBox::No));
    EXPECT_EQ(cautious->escapeButton(), cautious->button(QMessageBox::No));
    const auto notice = MessageBox::Build(nullptr, QStringLiteral("!"), MessageBox::IconInformation,
                                          MessageBox::ButtonsOk, QStringLiteral("Other"));
    EXPECT_EQ(notice->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(notice->icon(), QMessageBox::Information);
    EXPECT_EQ(notice->windowTitle(), QStringLiteral("Other"));
}

} // namespace
