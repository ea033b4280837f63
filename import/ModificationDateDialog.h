// The modal "Recent modification date" dialog: shows the header stamp of the file as a date or as a
// version code ("B002": area code letter and version number) and lets the user set either.
#pragma once

#include "database/NetworkDatabase.h"

#include <QDateTime>
#include <QDialog>
#include <QString>

class QButtonGroup;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

class ModificationDateDialog : public QDialog {
    Q_OBJECT

public:
    enum Mode { MODE_NONE = -1, MODE_DATE = 0, MODE_VERSION = 1 };

    explicit ModificationDateDialog(QWidget* parent = nullptr);

    // The three values the dialog exchanges with its controls. The setters show the value at once;
    // the getters give what OK took from the controls (or what was set, before OK).
    void SetMode(int mode);
    int GetMode() const { return mode_; }
    void SetDate(const CalendarDate& date);
    CalendarDate GetDate() const;
    void SetVersionText(const QString& text);
    QString GetVersionText() const { return versionText_; }

    // Whether text is a version the stamp can hold: an ASCII letter, optional white space and a
    // decimal number below 255 (characters after the number are ignored). On success number and
    // areaCode (0 for "A" or "a") receive the parsed values.
    static bool ParseVersionText(const QString& text, unsigned* areaCode = nullptr, unsigned* number = nullptr);

    // The "OK" button: refuses an invalid version text with a message box while "Version" is
    // selected; otherwise takes the controls' values and closes the dialog with OK.
    void ValidateVersionText();

private:
    void SelectMode(int mode);
    int CheckedMode() const;

    QRadioButton* dateRadio_ = nullptr;
    QRadioButton* versionRadio_ = nullptr;
    QButtonGroup* modeGroup_ = nullptr;
    QDateEdit* datePicker_ = nullptr;
    QLineEdit* versionEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    QDateTime date_; // invalid until set: the picker then shows its earliest date
    QString versionText_;
    int mode_ = MODE_NONE;
};

// The editor's "Modification Date..." command: shows the stamp of db, and after OK stores the
// chosen date or version and sets keepStamp (whether or not the stamp changed). *changed tells
// whether the stamp bytes changed (the caller then marks the document modified). Returns whether
// the user pressed OK; Cancel leaves db untouched.
bool RunModificationDateDialog(QWidget* parent, NetworkDatabase& db, bool* changed);
