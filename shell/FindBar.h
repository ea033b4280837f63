// The find bar above the tree: the text to look for, where the selected item stands among the items
// found ("3 of 12"), the previous and next match, and the filter that shows only what matches.
// Enter goes to the next match, Shift+Enter to the previous one, Escape closes the bar.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with its text selected and the focus in it.
    void Open();
    QString Text() const;
    bool FilterOn() const;
    // position 0: the selected item is none of the count items found.
    void ShowPosition(int position, int count);

signals:
    void textChanged(const QString& text);
    void nextRequested();
    void previousRequested();
    void filterToggled(bool on);
    // Escape or the close button: the bar is hidden and its filter off.
    void closed();

public slots:
    void Close();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* text_;
    QLabel* position_;
    QToolButton* filter_;
};
