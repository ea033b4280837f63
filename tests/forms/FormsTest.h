// Shared frame of the form tests: an edit bar docked in a shown main window, and the ways a user
// changes its controls.
#pragma once

#include "forms/EditBar.h"
#include "tests/support/GuiTest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

class FormsTest : public ::testing::Test {
protected:
    FormsTest() {
        window.setCentralWidget(new QWidget);
        bar = new EditBar(&window);
        window.addDockWidget(Qt::RightDockWidgetArea, bar);
        window.resize(800, 700);
        window.show();
        // Active, so that the boxes get the focus and behave as under a user's hands.
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A control of the given pane ("networkPane", "transponderPane", "programPane").
    template <typename T> T* Control(const char* pane, const char* name) {
        QWidget* page = guitest::Find<QWidget>(bar, pane);
        return page ? guitest::Find<T>(page, name) : nullptr;
    }

    QMainWindow window;
    EditBar* bar;
};

// Types the text key by key; a character without a key of its own comes as the text of an
// unknown key, as from an input method.
inline void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0x20 && c.unicode() < 0x7f)
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Selects everything in the box and types the text over it.
inline void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
}

inline void Retype(QComboBox* box, const QString& text) {
    Retype(box->lineEdit(), text);
}

inline void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

// A name holding every byte from 0x80 to 0xFF, control bytes and a NUL.
inline std::string HighBytesName() {
    std::string name = std::string("\x01\x1b\t\n\r", 5) + std::string(1, '\0') + "x";
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        name.push_back(static_cast<char>(byte));
    return name;
}
