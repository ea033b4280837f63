// The main window: menu bar, tool bar, status bar with the lock indicators, the edit bar docked at
// the right edge and the editor view in the middle. Every command goes to the view first.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QMap>

class EditBar;
class EditorView;
class QAction;
class QLabel;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    EditorView* View() const { return view_; }
    EditBar* Bar() const { return editBar_; }
    QToolBar* ToolBar() const { return toolBar_; }
    // The action of a command id, null for an unknown id.
    QAction* Action(int id) const { return actions_.value(id, nullptr); }

    // Offers the command to the view, then handles the frame's own ones.
    void OnCommand(int id);
    // Refreshes every action's enabled and checked state.
    void UpdateCommandStates();
    // Reads the keyboard's lock states into the status bar indicators.
    void UpdateIndicators();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();

    EditorView* view_ = nullptr;
    EditBar* editBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* capIndicator_ = nullptr;
    QLabel* numIndicator_ = nullptr;
    QLabel* scrlIndicator_ = nullptr;
    QMap<int, QAction*> actions_;
};

// "About Dishline": the application icon, the version line and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
