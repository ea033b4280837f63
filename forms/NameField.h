// Name boxes: a name is a string of raw bytes shown as ISO-8859-1 (each byte as the character of
// the same value), so that show and read-back are lossless and nothing above U+00FF can be typed.
#pragma once

#include "database/Limits.h"

#include <QString>
#include <QValidator>

#include <string>

class QLineEdit;

// Refuses any text holding a character that has no byte of its own.
class Latin1Validator : public QValidator {
    Q_OBJECT
public:
    explicit Latin1Validator(QObject* parent = nullptr) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};

QString NameToText(const std::string& name);
// At most MAX_NAME_BYTES bytes.
std::string TextToName(const QString& text);

// A text box for a name: the validator and the byte limit.
QLineEdit* CreateNameEdit(QWidget* parent, const char* objectName);
