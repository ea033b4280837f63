#include "forms/NameField.h"

#include <QLineEdit>

QValidator::State Latin1Validator::validate(QString& input, int& /*pos*/) const {
    for (QChar c : std::as_const(input)) {
        if (c.unicode() > 0xFF)
            return Invalid;
    }
    return Acceptable;
}

QString NameToText(const std::string& name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

std::string TextToName(const QString& text) {
    const QByteArray bytes = text.left(static_cast<qsizetype>(MAX_NAME_BYTES)).toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QLineEdit* CreateNameEdit(QWidget* parent, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(static_cast<int>(MAX_NAME_BYTES));
    edit->setValidator(new Latin1Validator(edit));
    return edit;
}
