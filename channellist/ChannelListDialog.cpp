#include "channellist/ChannelListDialog.h"

#include "channellist/ChannelListModel.h"
#include "channellist/ChannelListView.h"
#include "channellist/FavoriteNamesDialog.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumnWidths[COLUMN_COUNT] = {130, 90, 170, 120};
constexpr int32_t kDescendingBit = INT32_MIN; // bit 31 of sortState

// What a row is sorted by: the folded name for "Name", a number for the other columns.
struct SortKey {
    std::string text;
    int64_t number = 0;
};

SortKey KeyOf(const Program& program, int column) {
    SortKey key;
    switch (column) {
    case COLUMN_NAME:
        key.text = FoldName(program.name);
        break;
    case COLUMN_CA:
        // The mask as an unsigned value: a 32-bit difference of two masks would wrap for masks
        // with bit 30 or 31 and give an order that is not transitive.
        key.number = program.caMask & CA_SHOWN_BITS;
        break;
    case COLUMN_NETWORK:
        key.number = program.transponderIndex;
        break;
    case COLUMN_FAVORITE:
        key.number = program.favoriteMask;
        break;
    default:
        break;
    }
    return key;
}

int CompareKeys(const SortKey& a, const SortKey& b) {
    if (const int text = a.text.compare(b.text); text != 0)
        return text < 0 ? -1 : 1;
    return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
}

// A menu text shows '&' only when it is doubled.
QString MenuText(const char* prefix, const std::string& name) {
    QString text = QString::fromLatin1(name);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QString::fromLatin1(prefix) + text;
}

} // namespace

ChannelListDialog::ChannelListDialog(NetworkDatabase& database, QWidget* parent)
    : QDialog(parent), database_(database) {
    setWindowTitle(QStringLiteral("Channel List"));
    model_ = new ChannelListModel(
        database_, [this](const Program& program) { return FavoriteText(program); }, this);
    BuildWidgets();

    const size_t programCount = database_.programs().size();
    workingOrder_.resize(programCount);
    for (size_t k = 0; k < programCount; ++k)
        workingOrder_[k] = static_cast<uint32_t>(k);
    BuildGroupList();

    updatingControls_ = true;
    groupList_->setCurrentIndex(0);
    tabBar_->setCurrentIndex(0);
    updatingControls_ = false;
    FillList();
}

ChannelListDialog::~ChannelListDialog() {
    // The view asks the model for cell texts while the dialog is taken down, and the model asks this
    // dialog for the favorite names: both go before the members they read.
    CancelDrag();
    delete view_;
    view_ = nullptr;
    delete model_;
    model_ = nullptr;
}

void ChannelListDialog::BuildWidgets() {
    auto* groupLabel = new QLabel(QStringLiteral("Channel Group"), this);
    groupList_ = new QComboBox(this);
    groupList_->setObjectName(QStringLiteral("groupList"));
    groupList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    groupList_->setMinimumContentsLength(16);
    groupLabel->setBuddy(groupList_);

    auto* renameButton = new QPushButton(QStringLiteral("Rename"), this);
    renameButton->setObjectName(QStringLiteral("renameButton"));
    renameButton->setAutoDefault(false);

    searchEdit_ = new QLineEdit(this);
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    auto* searchButton = new QPushButton(QStringLiteral("Search"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    searchButton->setDefault(true);

    tabBar_ = new QTabBar(this);
    tabBar_->setObjectName(QStringLiteral("tabBar"));
    tabBar_->addTab(QStringLiteral("TV"));
    tabBar_->addTab(QStringLiteral("Radio"));
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(false);

    view_ = new ChannelListView(*this, this);
    view_->setObjectName(QStringLiteral("channelView"));
    view_->setModel(model_);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setDragEnabled(false);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = view_->palette();
    // The selection stays visible while another control has the focus.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    view_->setPalette(palette);
    QHeaderView* header = view_->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(true);
    for (int column = 0; column < COLUMN_COUNT; ++column)
        header->resizeSection(column, ColumnWidth(column));

    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("countLabel"));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* helpButton = new QPushButton(QStringLiteral("How to use..."), this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setAutoDefault(false);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setAutoDefault(false);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(groupLabel);
    top->addWidget(groupList_, 1);
    top->addWidget(renameButton);
    top->addSpacing(12);
    top->addWidget(searchEdit_, 1);
    top->addWidget(searchButton);

    auto* listBox = new QVBoxLayout;
    listBox->setSpacing(0);
    listBox->addWidget(tabBar_);
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
    for (int column = 0; column < COLUMN_COUNT; ++column)
        listWidth += ColumnWidth(column);
    const QMargins margins = layout->contentsMargins();
    resize(std::max(listWidth + margins.left() + margins.right(), sizeHint().width()), fontMetrics().height() * 32);

    connect(groupList_, &QComboBox::currentIndexChanged, this, &ChannelListDialog::OnGroupChanged);
    connect(tabBar_, &QTabBar::currentChanged, this, &ChannelListDialog::OnTabChanged);
    connect(renameButton, &QPushButton::clicked, this, &ChannelListDialog::RenameGroups);
    connect(searchButton, &QPushButton::clicked, this, &ChannelListDialog::Search);
    connect(header, &QHeaderView::sectionClicked, this, &ChannelListDialog::SortByColumn);
    connect(view_, &QWidget::customContextMenuRequested, this, &ChannelListDialog::OnContextMenuRequested);
    connect(helpButton, &QPushButton::clicked, this, &ChannelListDialog::ShowHelp);
    connect(okButton, &QPushButton::clicked, this, &ChannelListDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &ChannelListDialog::reject);
}

void ChannelListDialog::BuildGroupList() {
    updatingControls_ = true;
    groupList_->clear();
    groupList_->addItem(QStringLiteral("All Satellites"), 0);

    // The network of every program, found once: the group filter and the counts use it. A program
    // whose transponder or network does not exist belongs to no network and shows only under
    // "All Satellites".
    const size_t programCount = database_.programs().size();
    programNetwork_.assign(programCount, -1);
    std::vector<uint32_t> counts(database_.networks().size(), 0);
    for (size_t k = 0; k < programCount; ++k) {
        Program& program = *database_.programs()[k];
        program.favoriteMask = 0;
        const int network = NetworkIndexOf(database_, program);
        programNetwork_[k] = network;
        if (network >= 0)
            ++counts[static_cast<size_t>(network)];
    }
    for (size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] != 0)
            groupList_->addItem(QString::fromLatin1(database_.networks()[i]->name),
                                static_cast<int>(i * 256 + GROUP_NETWORK));
    }

    // favoriteMask has one bit per group, so only the first eight groups are offered; the others
    // are left as they are (OK only renumbers their entries when the channel order changed).
    const size_t groupCount = std::min<size_t>(database_.favoriteGroups().size(), MAX_FAVORITE_GROUPS);
    workingGroups_.clear();
    workingGroups_.reserve(groupCount);
    for (size_t i = 0; i < groupCount; ++i) {
        const FavoriteGroup& group = *database_.favoriteGroups()[i];
        workingGroups_.push_back(group);
        if (!group.tvList.empty() || !group.radioList.empty())
            groupList_->addItem(QString::fromLatin1(group.name), static_cast<int>(i * 256 + GROUP_FAVORITE));
        const uint8_t bit = static_cast<uint8_t>(1u << i);
        // An entry that designates no program (a damaged file) marks nothing.
        for (const uint16_t entry : group.tvList) {
            if (entry < programCount)
                database_.programs()[entry]->favoriteMask |= bit;
        }
        for (const uint16_t entry : group.radioList) {
            if (entry < programCount)
                database_.programs()[entry]->favoriteMask |= bit;
        }
    }
    updatingControls_ = false;
}

int ChannelListDialog::ColumnWidth(int column) const {
    // The widths suit an 8-point font with digits 6 pixels wide; a larger desktop font widens the
    // columns in proportion, so that "Network" still holds a name, a frequency and a polarity.
    const double scale = std::max(1.0, view_->fontMetrics().horizontalAdvance(QLatin1Char('0')) / 6.0);
    return static_cast<int>(kColumnWidths[column] * scale + 0.5);
}

// ---- rows ----

int ChannelListDialog::RowCount() const {
    return model_->rowCount();
}

uint32_t ChannelListDialog::RowValue(int row) const {
    return model_->RowValue(row);
}

const Program& ChannelListDialog::RowProgram(int row) const {
    return model_->RowProgram(row);
}

QString ChannelListDialog::CellText(int row, int column) const {
    return model_->CellText(row, column);
}

QString ChannelListDialog::FavoriteText(const Program& program) const {
    QString text;
    for (size_t i = 0; i < workingGroups_.size(); ++i) {
        if (!(program.favoriteMask & (1u << i)))
            continue;
        if (!text.isEmpty())
            text += QLatin1Char('/');
        const std::string& name = workingGroups_[i].name;
        text += name.empty() ? QStringLiteral("Fav%1").arg(i + 1) : QString::fromLatin1(name);
    }
    return text;
}

QString ChannelListDialog::HelpText() {
    return QStringLiteral("\n"
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

bool ChannelListDialog::IsShown(uint32_t programIndex) const {
    const bool radio = database_.programs()[programIndex]->IsRadio();
    if (radio != (currentTab_ == 1))
        return false;
    return groupKind_ != GROUP_NETWORK || programNetwork_[programIndex] == groupIndex_;
}

std::vector<uint16_t>& ChannelListDialog::TabList(FavoriteGroup& group) {
    return currentTab_ == 0 ? group.tvList : group.radioList;
}

void ChannelListDialog::FillList() {
    CancelDrag();
    sortState_ = -1;
    std::vector<uint32_t> rows;
    if (groupKind_ == GROUP_FAVORITE) {
        if (groupIndex_ < workingGroups_.size()) {
            const size_t programCount = database_.programs().size();
            const std::vector<uint16_t>& list = TabList(workingGroups_[groupIndex_]);
            rows.reserve(list.size());
            for (const uint16_t entry : list) {
                if (entry < programCount)
                    rows.push_back(entry);
            }
        }
    } else {
        rows.reserve(workingOrder_.size());
        for (const uint32_t program : workingOrder_) {
            if (IsShown(program))
                rows.push_back(program);
        }
    }
    model_->SetRows(std::move(rows));
    UpdateCountLabel();
}

void ChannelListDialog::StoreRowOrder() {
    if (!orderDirty_)
        return;
    orderDirty_ = false;
    const std::vector<uint32_t>& rows = model_->Rows();
    size_t row = 0;
    if (groupKind_ == GROUP_FAVORITE) {
        if (groupIndex_ >= workingGroups_.size())
            return;
        // The rows are the valid entries of the list; entries that designate no program keep their
        // places and the rows fill the others in row order.
        const size_t programCount = database_.programs().size();
        for (uint16_t& entry : TabList(workingGroups_[groupIndex_])) {
            if (row == rows.size())
                break;
            if (entry < programCount)
                entry = static_cast<uint16_t>(rows[row++]);
        }
        return;
    }
    // The shown programs are permuted among the positions they hold; every other position keeps
    // its program.
    for (uint32_t& program : workingOrder_) {
        if (row == rows.size())
            break;
        if (IsShown(program))
            program = rows[row++];
    }
}

void ChannelListDialog::UpdateCountLabel() {
    countLabel_->setText(QStringLiteral("%1 channels").arg(RowCount()));
}

void ChannelListDialog::MarkChanged(uint32_t flags) {
    if (flags == 0)
        return;
    if (changeFlags_ == 0)
        setWindowTitle(QStringLiteral("Channel List (Modified)"));
    changeFlags_ |= flags;
}

uint32_t ChannelListDialog::ReorderFlag() const {
    return groupKind_ == GROUP_FAVORITE ? CHANGED_FAVORITES : CHANGED_ORDER;
}

void ChannelListDialog::OnGroupChanged(int entry) {
    if (updatingControls_ || entry < 0)
        return;
    StoreRowOrder();
    const int tag = groupList_->itemData(entry).toInt();
    groupKind_ = static_cast<uint8_t>(tag % 256);
    groupIndex_ = static_cast<uint8_t>(tag / 256);
    FillList();
}

void ChannelListDialog::OnTabChanged(int tab) {
    if (updatingControls_ || tab < 0)
        return;
    StoreRowOrder();
    currentTab_ = static_cast<uint8_t>(tab);
    FillList();
}

// ---- ordering ----

int ChannelListDialog::CompareRows(uint32_t a, uint32_t b) const {
    const int column = sortState_ & ~kDescendingBit;
    const int result = CompareKeys(KeyOf(*database_.programs()[a], column), KeyOf(*database_.programs()[b], column));
    return (sortState_ & kDescendingBit) ? -result : result;
}

void ChannelListDialog::SortByColumn(int column) {
    if (RowCount() < 2 || column < 0 || column >= COLUMN_COUNT)
        return;
    if (sortState_ != -1 && (sortState_ & ~kDescendingBit) == column)
        sortState_ ^= kDescendingBit;
    else
        sortState_ = column;
    // The keys are taken once, in row order: comparing them needs no visit to the records.
    const std::vector<uint32_t>& rows = model_->Rows();
    std::vector<SortKey> keys;
    keys.reserve(rows.size());
    for (const uint32_t value : rows)
        keys.push_back(KeyOf(*database_.programs()[value], column));
    const bool descending = (sortState_ & kDescendingBit) != 0;
    model_->SortRows([&keys, descending](size_t a, size_t b) {
        const int result = CompareKeys(keys[a], keys[b]);
        return descending ? result > 0 : result < 0;
    });
    MarkChanged(ReorderFlag());
    orderDirty_ = true;
}

void ChannelListDialog::MoveRow(int source, int target) {
    const int count = RowCount();
    if (source < 0 || target < 0 || source >= count || target >= count || source == target)
        return;
    MarkChanged(ReorderFlag());
    orderDirty_ = true;
    model_->MoveRow(source, target);
    // The moved row arrives unselected.
    view_->selectionModel()->select(model_->index(target, 0),
                                    QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

void ChannelListDialog::BeginDrag(int row, const QPoint& pressPos) {
    if (IsDragging() || row < 0 || row >= RowCount())
        return;
    dragSource_ = row;
    dropRow_ = -1;

    // The image is the row's name in a small box that rides beside the pointer, so that it hides
    // little of the drop line.
    const QString name = CellText(row, COLUMN_NAME);
    const QFontMetrics metrics = view_->fontMetrics();
    const QSize size(std::min(metrics.horizontalAdvance(name) + 4, ColumnWidth(COLUMN_NAME)) + 12,
                     metrics.height() + 6);
    const QPalette& colors = view_->palette();
    QPixmap image(size * devicePixelRatioF());
    image.setDevicePixelRatio(devicePixelRatioF());
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setOpacity(0.85);
        painter.fillRect(QRect(QPoint(0, 0), size), colors.color(QPalette::Active, QPalette::Highlight));
        painter.setOpacity(1.0);
        painter.setPen(colors.color(QPalette::Active, QPalette::Dark));
        painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
        painter.setPen(colors.color(QPalette::Active, QPalette::HighlightedText));
        painter.setFont(view_->font());
        painter.drawText(QRect(QPoint(6, 0), size - QSize(12, 0)), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(name, Qt::ElideRight, size.width() - 8));
    }

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("dragImage"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setPixmap(image);
    label->resize(size);
    dragImage_ = label;
    dragHotSpot_ = QPoint(-16, size.height() / 2);
    const QPoint start = pressPos.x() >= 0 ? pressPos : view_->visualRect(model_->index(row, 0)).center();
    label->move(view_->viewport()->mapTo(this, start) - dragHotSpot_);
    label->raise();
    label->show();
}

void ChannelListDialog::DragMoveTo(const QPoint& viewportPos) {
    if (!IsDragging())
        return;
    QWidget* viewport = view_->viewport();
    dragImage_->move(viewport->mapTo(this, viewportPos) - dragHotSpot_);

    // One row per pointer move when the pointer is beyond the top or bottom edge of the list.
    const int count = RowCount();
    const int top = view_->TopRow();
    if (top >= 0) {
        if (viewportPos.y() < 0) {
            if (top > 0)
                view_->scrollTo(model_->index(top - 1, 0), QAbstractItemView::EnsureVisible);
        } else if (viewportPos.y() >= viewport->height()) {
            const int perPage = view_->RowsPerPage();
            if (top + perPage - 1 < count - 1)
                view_->scrollTo(model_->index(top + perPage, 0), QAbstractItemView::EnsureVisible);
        }
    }

    // The drop line shows where the row would land: after the target row when it is dragged
    // downwards, before it when dragged upwards.
    const int target = view_->RowAt(viewportPos);
    if (target < 0 || target == dragSource_)
        view_->SetDropIndicator(-1, false);
    else
        view_->SetDropIndicator(target, target > dragSource_);
}

void ChannelListDialog::DropAt(const QPoint& viewportPos) {
    if (!IsDragging())
        return;
    CancelDrag();
    dropRow_ = view_->RowAt(viewportPos);
    if (dropRow_ != -1)
        MoveRow(dragSource_, dropRow_);
}

void ChannelListDialog::CancelDrag() {
    if (!dragImage_)
        return;
    dragImage_->hide();
    dragImage_->deleteLater();
    dragImage_ = nullptr;
    dropRow_ = -1;
    if (view_)
        view_->SetDropIndicator(-1, false);
}

void ChannelListDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        CancelDrag();
    QDialog::changeEvent(event);
}

void ChannelListDialog::hideEvent(QHideEvent* event) {
    CancelDrag();
    QDialog::hideEvent(event);
}

// ---- favorites ----

void ChannelListDialog::OnContextMenuRequested(const QPoint& viewportPos) {
    if (IsDragging())
        return;
    std::unique_ptr<QMenu> menu = BuildContextMenu(view_->RowAt(viewportPos));
    if (menu)
        menu->exec(view_->viewport()->mapToGlobal(viewportPos));
}

std::unique_ptr<QMenu> ChannelListDialog::BuildContextMenu(int row) {
    contextRow_ = (row >= 0 && row < RowCount()) ? row : -1;
    if (contextRow_ < 0 || workingGroups_.empty())
        return nullptr;
    const uint8_t mask = RowProgram(contextRow_).favoriteMask;
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("favoriteMenu"));
    const int groupCount = FavoriteGroupCount();
    for (int i = 0; i < groupCount; ++i) {
        QAction* add = menu->addAction(MenuText("Add to ", workingGroups_[static_cast<size_t>(i)].name));
        add->setData(ID_ADD_TO_FAVORITE + i);
        add->setEnabled(!(mask & (1u << i)));
        connect(add, &QAction::triggered, this, [this, i] { AddToFavorite(i); });
    }
    menu->addSeparator();
    for (int i = 0; i < groupCount; ++i) {
        QAction* remove = menu->addAction(MenuText("Remove from ", workingGroups_[static_cast<size_t>(i)].name));
        remove->setData(ID_REMOVE_FROM_FAVORITE + i);
        remove->setEnabled((mask & (1u << i)) != 0);
        connect(remove, &QAction::triggered, this, [this, i] { RemoveFromFavorite(i); });
    }
    return menu;
}

int ChannelListDialog::GroupEntryOf(int group) const {
    return groupList_->findData(group * 256 + GROUP_FAVORITE);
}

void ChannelListDialog::InsertGroupEntry(int group) {
    // Favorite entries stay in group order, after every network.
    int position = groupList_->count();
    for (int entry = 0; entry < groupList_->count(); ++entry) {
        const int tag = groupList_->itemData(entry).toInt();
        if (tag % 256 == GROUP_FAVORITE && tag / 256 > group) {
            position = entry;
            break;
        }
    }
    updatingControls_ = true;
    groupList_->insertItem(position, QString::fromLatin1(workingGroups_[static_cast<size_t>(group)].name),
                           group * 256 + GROUP_FAVORITE);
    updatingControls_ = false;
}

void ChannelListDialog::RemoveGroupEntry(int group) {
    const int entry = GroupEntryOf(group);
    if (entry < 0)
        return;
    const bool selected = entry == groupList_->currentIndex();
    updatingControls_ = true;
    groupList_->removeItem(entry);
    // The rows of the removed group stay shown, with nothing selected in the group list.
    if (selected)
        groupList_->setCurrentIndex(-1);
    updatingControls_ = false;
}

void ChannelListDialog::AddToFavorite(int group) {
    if (group < 0 || group >= FavoriteGroupCount() || contextRow_ < 0 || contextRow_ >= RowCount())
        return;
    const uint32_t value = RowValue(contextRow_);
    if (value >= NO_INDEX)
        return; // beyond what a 16-bit favorite entry can name
    Program& program = *database_.programs()[value];
    const uint8_t bit = static_cast<uint8_t>(1u << group);
    if (program.favoriteMask & bit)
        return; // already a member: the menu offers only removal
    program.favoriteMask |= bit;
    model_->RefreshFavoriteColumn();

    FavoriteGroup& working = workingGroups_[static_cast<size_t>(group)];
    if (working.tvList.empty() && working.radioList.empty())
        InsertGroupEntry(group);
    // Every row value is the program's position in the programs table, which cannot change before OK.
    TabList(working).push_back(static_cast<uint16_t>(value));
    MarkChanged(CHANGED_FAVORITES);
}

void ChannelListDialog::RemoveFromFavorite(int group) {
    if (group < 0 || group >= FavoriteGroupCount() || contextRow_ < 0 || contextRow_ >= RowCount())
        return;
    const uint32_t value = RowValue(contextRow_);
    Program& program = *database_.programs()[value];
    const uint8_t bit = static_cast<uint8_t>(1u << group);
    if (!(program.favoriteMask & bit))
        return; // not a member: the menu offers only adding
    program.favoriteMask &= static_cast<uint8_t>(~bit);
    model_->RefreshFavoriteColumn();

    FavoriteGroup& working = workingGroups_[static_cast<size_t>(group)];
    std::vector<uint16_t>& list = TabList(working);
    const auto found = std::find(list.begin(), list.end(), static_cast<uint16_t>(value));
    if (found != list.end())
        list.erase(found);

    if (groupKind_ == GROUP_FAVORITE && groupIndex_ == group) {
        model_->RemoveRowAt(contextRow_);
        contextRow_ = -1;
        UpdateCountLabel();
    }
    if (working.tvList.empty() && working.radioList.empty())
        RemoveGroupEntry(group);
    MarkChanged(CHANGED_FAVORITES);
}

// ---- names ----

void ChannelListDialog::RenameGroups() {
    FavoriteNamesDialog dialog(this);
    for (int i = 0; i < FavoriteGroupCount(); ++i)
        dialog.SetName(i, workingGroups_[static_cast<size_t>(i)].name);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::array<std::string, MAX_FAVORITE_GROUPS> names;
    for (int i = 0; i < MAX_FAVORITE_GROUPS; ++i)
        names[static_cast<size_t>(i)] = dialog.Name(i);
    ApplyGroupNames(names);
}

void ChannelListDialog::ApplyGroupNames(const std::array<std::string, MAX_FAVORITE_GROUPS>& names) {
    bool changed = false;
    for (size_t i = 0; i < workingGroups_.size(); ++i) {
        if (workingGroups_[i].name != names[i]) {
            workingGroups_[i].name = names[i];
            changed = true;
        }
    }
    // setItemText keeps the entry's place, its tag and the selection.
    updatingControls_ = true;
    for (int entry = 0; entry < groupList_->count(); ++entry) {
        const int tag = groupList_->itemData(entry).toInt();
        if (tag % 256 != GROUP_FAVORITE || static_cast<size_t>(tag / 256) >= workingGroups_.size())
            continue;
        const QString name = QString::fromLatin1(workingGroups_[static_cast<size_t>(tag / 256)].name);
        if (groupList_->itemText(entry) != name)
            groupList_->setItemText(entry, name);
    }
    updatingControls_ = false;
    if (changed) {
        MarkChanged(CHANGED_NAMES);
        model_->RefreshFavoriteColumn();
    }
}

// ---- search, help ----

void ChannelListDialog::Search() {
    const QString text = searchEdit_->text();
    // Whatever is typed next replaces the text, also after a click on "Search".
    searchEdit_->selectAll();
    searchEdit_->setFocus();

    // Names are bytes in the ISO-8859-1 view: a character beyond it can begin no name.
    std::string pattern;
    bool matchable = true;
    pattern.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            matchable = false;
            break;
        }
        pattern.push_back(static_cast<char>(FoldLatin1(static_cast<unsigned char>(c.unicode()))));
    }

    const int count = RowCount();
    if (matchable && count > 0) {
        const QModelIndexList selected = view_->selectionModel()->selectedRows();
        int start = 0;
        if (!selected.isEmpty()) {
            int first = selected.first().row();
            for (const QModelIndex& index : selected)
                first = std::min(first, index.row());
            start = first + 1;
        }
        // Down to the last row, then from the top; the selected row itself is tried last.
        for (int step = 0; step < count; ++step) {
            const int row = (start + step) % count;
            const std::string& name = RowProgram(row).name;
            if (name.size() < pattern.size())
                continue;
            bool match = true;
            for (size_t i = 0; i < pattern.size() && match; ++i)
                match = FoldLatin1(static_cast<unsigned char>(name[i])) == static_cast<unsigned char>(pattern[i]);
            if (!match)
                continue;
            const QModelIndex index = model_->index(row, 0);
            view_->selectionModel()->setCurrentIndex(index,
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            view_->scrollTo(index, QAbstractItemView::EnsureVisible);
            return;
        }
    }
    MessageBox::Warning(this, QStringLiteral("No match was found..."));
}

void ChannelListDialog::ShowHelp() {
    MessageBox::Information(this, HelpText());
}

// ---- OK ----

void ChannelListDialog::accept() {
    CancelDrag();
    WriteBack();
    QDialog::accept();
}

void ChannelListDialog::WriteBack() {
    StoreRowOrder();
    // The offered groups take their names and lists first, still numbered by the old order; the
    // new channel order then renumbers every group, offered or not.
    const size_t groupCount = std::min(workingGroups_.size(), database_.favoriteGroups().size());
    if (changeFlags_ & (CHANGED_NAMES | CHANGED_FAVORITES)) {
        for (size_t i = 0; i < groupCount; ++i) {
            FavoriteGroup group = *database_.favoriteGroups()[i];
            if (changeFlags_ & CHANGED_NAMES)
                group.name = workingGroups_[i].name;
            if (changeFlags_ & CHANGED_FAVORITES) {
                group.tvList = workingGroups_[i].tvList;
                group.radioList = workingGroups_[i].radioList;
            }
            database_.SetFavoriteGroup(i, group);
        }
    }
    if (changeFlags_ & CHANGED_ORDER)
        database_.ReorderPrograms(workingOrder_);
}
