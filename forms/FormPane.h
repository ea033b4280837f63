// Common frame of the record panes: a column of rows (label left, control right), then a separator
// line and a centred "OK" button that acts as the pane's default button.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

class FormPane : public QWidget {
    Q_OBJECT
public:
    explicit FormPane(QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }

    // Width the row labels need. The edit bar gives every pane the same label column, so that the
    // controls do not jump sideways when the pane changes.
    int LabelColumnWidth() const;
    // Both columns at least this wide: the labels on the left, the controls on the right. The OK
    // button takes the same width.
    void SetColumnWidth(int width);

signals:
    void okClicked();

protected:
    // Rows are added top to bottom; the label text begins with a blank, as " Name".
    QLabel* AddRow(const QString& label, QWidget* control);
    QLabel* AddRow(const QString& label, QLayout* controls);
    // A check box sits indented a little inside the control column.
    QLabel* AddCheckRow(const QString& label, QAbstractButton* box);
    // A control in the control column without a label.
    void AddControlOnly(QWidget* control);
    // A widget across both columns.
    void AddWide(QWidget* widget);
    // Separator, OK button and the stretch below them; call once, after the rows.
    void Finish();

    static QLayout* Indented(QWidget* widget);

    // Remembers the text every text box of the pane shows; a pane's Load calls it last.
    void RememberShownTexts();
    // The box still shows what Load put there: its field reads back as the record held it, so that
    // showing a record and reading it back never changes a value the box cannot show exactly.
    bool Untouched(const QLineEdit* edit) const;
    bool Untouched(const QComboBox* box) const;

    void keyPressEvent(QKeyEvent* event) override;

private:
    QVBoxLayout* outer_;
    QGridLayout* rows_;
    QPushButton* ok_ = nullptr;
    QList<QLabel*> labels_;
    QHash<const QLineEdit*, QString> shownTexts_;
    int rowCount_ = 0;
};
