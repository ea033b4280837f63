// The "Favorite Group Name" dialog: the names of the eight favorite groups, edited all at once.
#pragma once

#include "database/Limits.h"

#include <QDialog>
#include <QValidator>

#include <array>
#include <string>

class QLineEdit;

// Accepts only texts whose characters all lie in U+0000..U+00FF, so that a name converts back to
// its bytes without loss.
class GroupNameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

class FavoriteNamesDialog : public QDialog {
    Q_OBJECT
public:
    explicit FavoriteNamesDialog(QWidget* parent = nullptr);

    // Sets string i (0..7) and the field that shows it.
    void SetName(int i, const std::string& name);
    // String i: the name given by SetName, or what field i + 1 held when OK was pressed.
    const std::string& Name(int i) const { return names_[static_cast<size_t>(i)]; }

    void accept() override;

private:
    std::array<std::string, MAX_FAVORITE_GROUPS> names_;
    std::array<QLineEdit*, MAX_FAVORITE_GROUPS> fields_{};
};
