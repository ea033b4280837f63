#include "shell/MainFrame.h"

#include "forms/EditBar.h"
#include "shell/Commands.h"
#include "shell/EditorView.h"
#include "shell/KeyboardLocks.h"
#include "ui/AppInfo.h"
#include "ui/UserGuide.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

const char* const kReadyText = QT_TRANSLATE_NOOP("CMainFrame", "Ready");

// The local NDF file among dropped URLs, or an empty string.
QString DroppedNdfFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return QString();
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String("ndf"), Qt::CaseInsensitive) == 0 ? path : QString();
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dishline.png")));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setAcceptDrops(true);

    view_ = new EditorView(this);
    setCentralWidget(view_);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    editBar_ = new EditBar(this);
    editBar_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    editBar_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                          QDockWidget::DockWidgetClosable);
    // The edit bar sits at the end of the tree's line: on its right, and on its left in a right-to-left language.
    addDockWidget(isRightToLeft() ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea, editBar_);
    view_->SetEditBar(editBar_);

    connect(view_, &EditorView::commandStateChanged, this, &CMainFrame::UpdateCommandStates);
    connect(editBar_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandStates);
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandStates);

    resize(960, 640);
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
    // The children go after the frame's own members: keep their last signals from reaching it.
    view_->disconnect(this);
    editBar_->disconnect(this);
    toolBar_->disconnect(this);
    view_ = nullptr;
    editBar_ = nullptr;
}

void CMainFrame::CreateActions() {
    for (const CommandInfo& command : kCommands) {
        const QString text = CommandText(command.text);
        // The menu shows the shortcut from the text after the tab; the action owns the real key.
        auto* action = new QAction(text, this);
        action->setData(static_cast<int>(command.id));
        action->setObjectName(QStringLiteral("action%1").arg(static_cast<int>(command.id)));
        action->setStatusTip(CommandText(command.statusTip));
        if (command.toolTip)
            action->setToolTip(CommandText(command.toolTip));
        if (command.id == ID_EDIT_REDO)
            action->setShortcuts(
                {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
        else if (command.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
        if (command.icon)
            action->setIcon(QIcon(QString::fromLatin1(command.icon)));
        switch (command.id) {
        case ID_VIEW_EDITBAR:
        case ID_VIEW_CHANNEL_LIST:
        case ID_VIEW_TOOLBAR:
        case ID_VIEW_STATUS_BAR:
        case ID_PROGRAM_LOCK:
        case ID_PROGRAM_SKIP:
            action->setCheckable(true);
            break;
        default:
            break;
        }
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        actions_.insert(id, action);
    }
}

void CMainFrame::CreateMenus() {
    for (const char* title : kMenuTitles) {
        QMenu* menu = menuBar()->addMenu(CommandText(title));
        menu->setObjectName(
            QString::fromLatin1(title).remove(QLatin1Char('&')).toLower().append(QLatin1String("Menu")));
        for (const CommandInfo& command : kCommands) {
            if (qstrcmp(command.menu, title) != 0)
                continue;
            menu->addAction(actions_.value(command.id));
            if (command.separatorAfter)
                menu->addSeparator();
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(true);
    toolBar_->setIconSize(QSize(20, 20));
    for (int position = 1; position <= kToolBarButtons; ++position) {
        for (const CommandInfo& command : kCommands) {
            if (command.toolBarPosition != position)
                continue;
            toolBar_->addAction(actions_.value(command.id));
            for (int after : kToolBarSeparatorsAfter)
                if (after == position)
                    toolBar_->addSeparator();
        }
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    auto makeIndicator = [bar](const char* text, const char* name) {
        auto* label = new QLabel(tr(text), bar);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(tr("SCRL")) + 12);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        return label;
    };
    capIndicator_ = makeIndicator(QT_TR_NOOP("CAP"), "capIndicator");
    numIndicator_ = makeIndicator(QT_TR_NOOP("NUM"), "numIndicator");
    scrlIndicator_ = makeIndicator(QT_TR_NOOP("SCRL"), "scrlIndicator");
    // The message pane falls back to "Ready" whenever no prompt is shown.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(tr(kReadyText));
    });
    bar->showMessage(tr(kReadyText));

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
    timer->start(250);
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators() {
    KeyboardLocks locks;
    ReadKeyboardLocks(locks);
    capIndicator_->setEnabled(locks.caps);
    numIndicator_->setEnabled(locks.num);
    scrlIndicator_->setEnabled(locks.scroll);
}

void CMainFrame::OnCommand(int id) {
    if (!view_->HandleCommand(id)) {
        switch (id) {
        case ID_VIEW_EDITBAR:
            editBar_->ToggleEditBar();
            break;
        case ID_VIEW_TOOLBAR:
            toolBar_->setVisible(toolBar_->isHidden());
            break;
        case ID_VIEW_STATUS_BAR:
            statusBar()->setVisible(statusBar()->isHidden());
            break;
        case ID_APP_EXIT:
            close();
            break;
        case ID_HELP_USER_GUIDE:
            ShowUserGuide(this);
            break;
        case ID_APP_ABOUT: {
            AboutDialog about(this);
            about.exec();
            break;
        }
        default:
            break;
        }
    }
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
    if (!view_ || !editBar_)
        return;
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        const int id = it.key();
        QAction* action = it.value();
        action->setEnabled(view_->IsCommandEnabled(id));
        switch (id) {
        case ID_VIEW_EDITBAR:
            action->setChecked(!editBar_->isHidden());
            break;
        case ID_VIEW_TOOLBAR:
            action->setChecked(!toolBar_->isHidden());
            break;
        case ID_VIEW_STATUS_BAR:
            action->setChecked(!statusBar()->isHidden());
            break;
        case ID_VIEW_CHANNEL_LIST:
        case ID_PROGRAM_LOCK:
        case ID_PROGRAM_SKIP:
            action->setChecked(view_->IsCommandChecked(id));
            break;
        case ID_EDIT_UNDO:
            action->setText(view_->UndoText());
            break;
        case ID_EDIT_REDO:
            action->setText(view_->RedoText());
            break;
        default:
            break;
        }
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (view_->QuerySave() == Flow::Proceed) {
        view_->DiscardRecovery(); // saved, or dropped by the user's answer
        event->accept();
    } else {
        event->ignore();
    }
    UpdateCommandStates();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedNdfFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DroppedNdfFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has finished, so that no prompt runs inside the drag-and-drop loop.
    QTimer::singleShot(0, this, [this, path] {
        view_->OpenFile(path);
        UpdateCommandStates();
    });
}

void CMainFrame::focusInEvent(QFocusEvent* event) {
    QMainWindow::focusInEvent(event);
    view_->setFocus();
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QCoreApplication::translate("AboutDialog", kAboutTitle));
    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(16);
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/dishline.png")).pixmap(48, 48));
    layout->addWidget(icon, 0, Qt::AlignTop);
    auto* text = new QLabel(QCoreApplication::translate("AboutDialog", kAboutText), this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(text->text()) * 3 / 2);
    layout->addWidget(text, 1, Qt::AlignTop);
    auto* ok = new QPushButton(QCoreApplication::translate("AboutDialog", "&OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignTop);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
