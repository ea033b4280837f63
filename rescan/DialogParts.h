// Parts the dialogs of Clean Up and Compare with File share: standard buttons with the editor's own
// texts, and a read-only report view.
#pragma once

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>

namespace dialogparts {

// A standard button with the editor's own text, which gives it an accelerator.
inline QPushButton* AddButton(QDialogButtonBox* box, QDialogButtonBox::StandardButton which, const char* objectName) {
    QPushButton* button = box->addButton(which);
    button->setObjectName(QString::fromLatin1(objectName));
    switch (which) {
    case QDialogButtonBox::Ok:
        button->setText(QCoreApplication::translate("ToolDialogs", "&OK"));
        break;
    case QDialogButtonBox::Cancel:
        button->setText(QCoreApplication::translate("ToolDialogs", "&Cancel"));
        break;
    case QDialogButtonBox::Close:
        button->setText(QCoreApplication::translate("ToolDialogs", "&Close"));
        break;
    default:
        break;
    }
    return button;
}

inline QPlainTextEdit* ReportView(const QString& text, const char* objectName) {
    auto* view = new QPlainTextEdit;
    view->setObjectName(QString::fromLatin1(objectName));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(text);
    view->setMinimumSize(560, 320);
    return view;
}

} // namespace dialogparts
