#include "channellist/ChannelListDialog.h"

#include "channellist/ChannelListModel.h"
#include "channellist/ChannelListView.h"
#include "channellist/FavoriteNamesDialog.h"
#include "ui/MessageBox.h"
#include "ui/UserGuide.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

ChannelListDialog::ChannelListDialog(NetworkDatabase& database, QWidget* parent) : QDialog(parent), session_(database) {
    setWindowTitle(tr("Channel List"));
    model_ = new ChannelListModel(session_, this);
    BuildWidgets();
    BuildGroupList();
    BuildCommands();
    updatingControls_ = true;
    groupList_->setCurrentIndex(0);
    tabBar_->setCurrentIndex(0);
    updatingControls_ = false;
    // The list's keys work at once.
    view_->setFocus();
    if (RowCount() > 0)
        view_->selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::NoUpdate);
    ShowEdits();
}

ChannelListDialog::~ChannelListDialog() {
    // The view asks the model for cell texts while the dialog is taken down, and the model reads
    // the session: both go before it.
    delete view_;
    view_ = nullptr;
    delete model_;
    model_ = nullptr;
}

void ChannelListDialog::BuildWidgets() {
    auto* groupLabel = new QLabel(tr("Channel &Group"), this);
    groupList_ = new QComboBox(this);
    groupList_->setObjectName(QStringLiteral("groupList"));
    groupList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    groupList_->setMinimumContentsLength(16);
    groupLabel->setBuddy(groupList_);

    auto* renameButton = new QPushButton(tr("&Rename"), this);
    renameButton->setObjectName(QStringLiteral("renameButton"));
    renameButton->setAutoDefault(false);

    searchEdit_ = new QLineEdit(this);
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    auto* searchButton = new QPushButton(tr("&Search"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    searchButton->setDefault(true);

    tabBar_ = new QTabBar(this);
    tabBar_->setObjectName(QStringLiteral("tabBar"));
    tabBar_->addTab(tr("&TV"));
    tabBar_->addTab(tr("R&adio"));
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(false);

    // The shortcuts work anywhere in the dialog; a text box keeps Ctrl+Z for its own typing.
    undoAction_ = new QAction(QIcon(QStringLiteral(":/icons/undo.png")), tr("Undo"), this);
    undoAction_->setObjectName(QStringLiteral("undoAction"));
    undoAction_->setToolTip(tr("Undo"));
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_ = new QAction(QIcon(QStringLiteral(":/icons/redo.png")), tr("Redo"), this);
    redoAction_->setObjectName(QStringLiteral("redoAction"));
    redoAction_->setToolTip(tr("Redo"));
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addAction(undoAction_);
    addAction(redoAction_);
    // F1 opens the user guide at this dialog's section, in a window that stays usable beside it.
    auto* guideAction = new QAction(tr("User Guide"), this);
    guideAction->setObjectName(QStringLiteral("guideAction"));
    guideAction->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(guideAction);
    connect(guideAction, &QAction::triggered, this, [this] { ShowUserGuide(this, QStringLiteral("channel-list")); });
    const auto toolButton = [this](QAction* action, const char* name) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    QToolButton* undoButton = toolButton(undoAction_, "undoButton");
    QToolButton* redoButton = toolButton(redoAction_, "redoButton");

    view_ = new ChannelListView(this);
    view_->setObjectName(QStringLiteral("channelView"));
    view_->setModel(model_);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelListDialog::UpdateCountLabel);
    QHeaderView* header = view_->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(true);
    for (int column = 0; column < VIEW_COLUMN_COUNT; ++column)
        header->resizeSection(column, view_->ColumnWidth(column));
    // "Lock" and "Skip" stand beside the name.
    header->moveSection(header->visualIndex(ViewColumn(COLUMN_LOCK)), header->visualIndex(ViewColumn(COLUMN_NAME)) + 1);
    header->moveSection(header->visualIndex(ViewColumn(COLUMN_SKIP)), header->visualIndex(ViewColumn(COLUMN_LOCK)) + 1);

    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("countLabel"));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* helpButton = new QPushButton(tr("&How to use..."), this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setAutoDefault(false);
    auto* okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setAutoDefault(false);
    auto* cancelButton = new QPushButton(tr("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(groupLabel);
    top->addWidget(groupList_, 1);
    top->addWidget(renameButton);
    top->addSpacing(12);
    top->addWidget(searchEdit_, 1);
    top->addWidget(searchButton);

    auto* tabRow = new QHBoxLayout;
    tabRow->setSpacing(0);
    tabRow->addWidget(tabBar_, 0, Qt::AlignBottom);
    tabRow->addStretch(1);
    tabRow->addWidget(undoButton);
    tabRow->addWidget(redoButton);

    auto* listBox = new QVBoxLayout;
    listBox->setSpacing(0);
    listBox->addLayout(tabRow);
    listBox->addWidget(view_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(countLabel_, 1);
    bottom->addWidget(helpButton);
    bottom->addWidget(okButton);
    bottom->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(listBox, 1);
    layout->addWidget(line);
    layout->addLayout(bottom);

    int listWidth = 2 * view_->frameWidth() + view_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < VIEW_COLUMN_COUNT; ++column)
        listWidth += view_->ColumnWidth(column);
    const QMargins margins = layout->contentsMargins();
    resize(std::max(listWidth + margins.left() + margins.right(), sizeHint().width()), fontMetrics().height() * 32);

    connect(groupList_, &QComboBox::currentIndexChanged, this, &ChannelListDialog::OnGroupChanged);
    connect(tabBar_, &QTabBar::currentChanged, this, &ChannelListDialog::OnTabChanged);
    connect(renameButton, &QPushButton::clicked, this, &ChannelListDialog::RenameGroups);
    connect(searchButton, &QPushButton::clicked, this, &ChannelListDialog::Search);
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == VIEW_NUMBER_COLUMN)
            ShowEdits(); // not sortable; the click moved the indicator
        else
            SortByColumn(SessionColumn(section));
    });
    connect(undoAction_, &QAction::triggered, this, &ChannelListDialog::Undo);
    connect(redoAction_, &QAction::triggered, this, &ChannelListDialog::Redo);
    connect(view_, &ChannelListView::contextMenuRequested, this, &ChannelListDialog::OnContextMenuRequested);
    connect(view_, &ChannelListView::rowDropped, this, &ChannelListDialog::OnRowDropped);
    connect(model_, &ChannelListModel::markClicked, this, &ChannelListDialog::OnMarkClicked);
    connect(view_, &ChannelListView::markClicked, this,
            [this](int row, int column) { OnMarkClicked(row, column == ViewColumn(COLUMN_LOCK) ? PA_LOCK : PA_SKIP); });
    connect(model_, &ChannelListModel::nameEdited, this, &ChannelListDialog::OnNameEdited);
    connect(helpButton, &QPushButton::clicked, this, &ChannelListDialog::ShowHelp);
    connect(okButton, &QPushButton::clicked, this, &ChannelListDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &ChannelListDialog::reject);
}

void ChannelListDialog::BuildGroupList() {
    updatingControls_ = true;
    groupList_->clear();
    for (const ChannelGroupEntry& entry : session_.GroupEntries())
        groupList_->addItem(entry.tag == GROUP_ALL ? tr("All Satellites") : QString::fromLatin1(entry.name), entry.tag);
    updatingControls_ = false;
}

void ChannelListDialog::SyncFavoriteEntries() {
    updatingControls_ = true;
    for (int group = 0; group < session_.FavoriteGroupCount(); ++group) {
        const int tag = group * 256 + GROUP_FAVORITE;
        const int entry = groupList_->findData(tag);
        if (session_.HasEntries(group) && entry < 0) {
            // Favorite entries stay in group order, after every network.
            int position = groupList_->count();
            for (int other = 0; other < groupList_->count(); ++other) {
                const int otherTag = groupList_->itemData(other).toInt();
                if (otherTag % 256 == GROUP_FAVORITE && otherTag / 256 > group) {
                    position = other;
                    break;
                }
            }
            groupList_->insertItem(position,
                                   QString::fromLatin1(session_.workingGroups()[static_cast<size_t>(group)].name), tag);
        } else if (!session_.HasEntries(group) && entry >= 0) {
            const bool selected = entry == groupList_->currentIndex();
            groupList_->removeItem(entry);
            // The rows of the removed group stay shown, with nothing selected in the group list.
            if (selected)
                groupList_->setCurrentIndex(-1);
        }
    }
    updatingControls_ = false;
}

void ChannelListDialog::UpdateCountLabel() {
    const qsizetype selected = view_->selectionModel()->selectedRows().size();
    countLabel_->setText(selected > 1 ? tr("%1 of %2 selected").arg(selected).arg(RowCount())
                                      : tr("%1 channels").arg(RowCount()));
}

void ChannelListDialog::ShowEdits() {
    setWindowTitle(session_.changeFlags() != 0 ? tr("Channel List (Modified)") : tr("Channel List"));
    UpdateCountLabel();
    QHeaderView* header = view_->header();
    const int32_t sortState = session_.sortState();
    header->setSortIndicatorShown(session_.sortShown() && sortState != -1);
    if (header->isSortIndicatorShown())
        header->setSortIndicator(ViewColumn(sortState & INT32_MAX),
                                 sortState < 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
    undoAction_->setEnabled(session_.CanUndo());
    redoAction_->setEnabled(session_.CanRedo());
}

void ChannelListDialog::RestoreSession(ChannelListState state) {
    session_.Restore(std::move(state));
    ShowRestored({});
}

void ChannelListDialog::ShowRestored(const std::vector<int>& rows) {
    SyncFavoriteEntries();
    RefreshGroupNames();
    updatingControls_ = true;
    // A favorite group that lost its last member stays shown without an entry.
    groupList_->setCurrentIndex(groupList_->findData(session_.groupIndex() * 256 + session_.groupKind()));
    tabBar_->setCurrentIndex(session_.currentTab());
    updatingControls_ = false;
    SelectRows(rows);
    ShowEdits();
}

void ChannelListDialog::SelectRows(const std::vector<int>& rows) {
    QItemSelectionModel* selection = view_->selectionModel();
    // One range per run of rows: a block of thousands is one range.
    QItemSelection block;
    for (size_t k = 0; k < rows.size();) {
        size_t end = k + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1)
            ++end;
        if (rows[k] >= 0 && rows[end - 1] < RowCount())
            block.append(QItemSelectionRange(model_->index(rows[k], 0), model_->index(rows[end - 1], 0)));
        k = end;
    }
    if (block.isEmpty()) {
        selection->clearSelection();
        return;
    }
    const QModelIndex first = block.first().topLeft();
    selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selection->select(block, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(first, QAbstractItemView::EnsureVisible);
}

QString ChannelListDialog::CellText(int row, int column) const {
    return model_->CellText(row, column);
}

QString ChannelListDialog::HelpText() {
    return tr("\n"
              "To sort the channel list\n"
              "\n"
              "\t- Click the left mouse button on a column header of the list.\n"
              "\n"
              "To move a channel item\n"
              "\n"
              "\t- Drag and drop a channel item.\n"
              "\n"
              "To add a channel item to a favorite group\n"
              "To remove a channel item from a favorite group\n"
              "\n"
              "\t- Click the right mouse button on the name of a channel item\n");
}

void ChannelListDialog::OnGroupChanged(int entry) {
    if (updatingControls_ || entry < 0)
        return;
    view_->CancelDrag();
    const int tag = groupList_->itemData(entry).toInt();
    session_.SelectGroup(static_cast<uint8_t>(tag % 256), static_cast<uint8_t>(tag / 256));
    ShowEdits();
}

void ChannelListDialog::OnTabChanged(int tab) {
    if (updatingControls_ || tab < 0)
        return;
    view_->CancelDrag();
    session_.SelectTab(static_cast<uint8_t>(tab));
    ShowEdits();
}

// ---- names ----

void ChannelListDialog::RenameGroups() {
    FavoriteNamesDialog dialog(this);
    for (int i = 0; i < session_.FavoriteGroupCount(); ++i)
        dialog.SetName(i, session_.workingGroups()[static_cast<size_t>(i)].name);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::array<std::string, MAX_FAVORITE_GROUPS> names;
    for (int i = 0; i < MAX_FAVORITE_GROUPS; ++i)
        names[static_cast<size_t>(i)] = dialog.Name(i);
    ApplyGroupNames(names);
}

void ChannelListDialog::ApplyGroupNames(const std::array<std::string, MAX_FAVORITE_GROUPS>& names) {
    if (!session_.ApplyGroupNames(names))
        return;
    RefreshGroupNames();
    ShowEdits();
}

void ChannelListDialog::RefreshGroupNames() {
    // setItemText keeps the entry's place, its tag and the selection.
    const std::vector<FavoriteGroup>& groups = session_.workingGroups();
    updatingControls_ = true;
    for (int entry = 0; entry < groupList_->count(); ++entry) {
        const int tag = groupList_->itemData(entry).toInt();
        if (tag % 256 != GROUP_FAVORITE || static_cast<size_t>(tag / 256) >= groups.size())
            continue;
        const QString name = QString::fromLatin1(groups[static_cast<size_t>(tag / 256)].name);
        if (groupList_->itemText(entry) != name)
            groupList_->setItemText(entry, name);
    }
    updatingControls_ = false;
}

// ---- search, help ----

void ChannelListDialog::Search() {
    const QString text = searchEdit_->text();
    // Whatever is typed next replaces the text, also after a click on "Search".
    searchEdit_->selectAll();
    searchEdit_->setFocus();

    // Names are bytes in the ISO-8859-1 view: a character beyond it can begin no name.
    const bool matchable = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    if (matchable) {
        const QModelIndexList selected = view_->selectionModel()->selectedRows();
        int start = 0;
        if (!selected.isEmpty()) {
            int first = selected.first().row();
            for (const QModelIndex& index : selected)
                first = std::min(first, index.row());
            start = first + 1;
        }
        // Down to the last row, then from the top; the selected row itself is tried last. A name
        // that holds the text elsewhere is found when no name begins with it.
        const QByteArray bytes = text.toLatin1();
        const std::string pattern(bytes.constData(), static_cast<size_t>(bytes.size()));
        int row = session_.FindRow(pattern, start);
        if (row < 0)
            row = session_.FindRowContaining(pattern, start);
        if (row >= 0) {
            const QModelIndex index = model_->index(row, 0);
            view_->selectionModel()->setCurrentIndex(index,
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            view_->scrollTo(index, QAbstractItemView::EnsureVisible);
            return;
        }
    }
    MessageBox::Warning(this, tr("No match was found..."));
}

QString ChannelListDialog::GuidePointer() {
    return tr("Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user "
              "guide: press F1, or choose Help > User Guide in the main window.");
}

void ChannelListDialog::ShowHelp() {
    MessageBox::Information(this, HelpText() + QLatin1Char('\n') + GuidePointer() + QLatin1Char('\n'));
}

// ---- OK ----

void ChannelListDialog::accept() {
    view_->CancelDrag();
    // A name still being typed (Ctrl+Return from the box) is kept, as Enter would keep it: the
    // box commits it when it loses the focus.
    for (const QLineEdit* editor : view_->findChildren<QLineEdit*>(QStringLiteral("nameEditor"))) {
        if (editor->hasFocus())
            view_->setFocus();
    }
    session_.WriteBack();
    QDialog::accept();
}

void ChannelListDialog::reject() {
    view_->CancelDrag();
    if (HoldsChanges()) {
        if (MessageBox::YesNoQuestionDefaultNo(this, tr("Discard the changes to the channel list?")) != MessageBox::Yes)
            return;
        discarded_ = true;
    }
    QDialog::reject();
}
