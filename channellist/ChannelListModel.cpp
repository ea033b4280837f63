#include "channellist/ChannelListModel.h"

#include <algorithm>

namespace {

const char* const kColumnHeadings[VIEW_COLUMN_COUNT] = {
    QT_TRANSLATE_NOOP("ChannelListModel", "No."),      QT_TRANSLATE_NOOP("ChannelListModel", "Name"),
    QT_TRANSLATE_NOOP("ChannelListModel", "CA"),       QT_TRANSLATE_NOOP("ChannelListModel", "Network"),
    QT_TRANSLATE_NOOP("ChannelListModel", "Favorite"), QT_TRANSLATE_NOOP("ChannelListModel", "Lock"),
    QT_TRANSLATE_NOOP("ChannelListModel", "Skip")};

// The mark a view column shows; 0 for the text columns.
uint8_t MarkOf(int viewColumn) {
    if (viewColumn == ViewColumn(COLUMN_LOCK))
        return PA_LOCK;
    if (viewColumn == ViewColumn(COLUMN_SKIP))
        return PA_SKIP;
    return 0;
}

int Alignment(int viewColumn) {
    const Qt::Alignment horizontal = viewColumn == VIEW_NUMBER_COLUMN        ? Qt::AlignRight
                                     : viewColumn == ViewColumn(COLUMN_NAME) ? Qt::AlignLeft
                                                                             : Qt::AlignHCenter;
    return static_cast<int>(horizontal | Qt::AlignVCenter);
}

} // namespace

ChannelListModel::ChannelListModel(ChannelListSession& session, QObject* parent)
    : QAbstractItemModel(parent), session_(session) {
    session_.SetListener(this);
}

ChannelListModel::~ChannelListModel() {
    session_.SetListener(nullptr);
}

QModelIndex ChannelListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= VIEW_COLUMN_COUNT)
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex ChannelListModel::parent(const QModelIndex&) const {
    return QModelIndex();
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : session_.RowCount();
}

int ChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : VIEW_COLUMN_COUNT;
}

QString ChannelListModel::CellText(int row, int column) const {
    return QString::fromLatin1(session_.CellText(row, column));
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (const uint8_t mark = MarkOf(index.column()); mark != 0) {
        if (role == Qt::CheckStateRole)
            return (session_.Marks(session_.RowValue(index.row())) & mark) ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::TextAlignmentRole)
            return Alignment(index.column());
        return QVariant();
    }
    if (role == Qt::EditRole && index.column() == ViewColumn(COLUMN_NAME))
        return CellText(index.row(), COLUMN_NAME);
    const bool number = index.column() == VIEW_NUMBER_COLUMN;
    // The view shows the tooltip only when the text does not fit its column.
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && !number))
        return number ? QString::number(index.row() + 1) : CellText(index.row(), SessionColumn(index.column()));
    if (role == Qt::TextAlignmentRole)
        return Alignment(index.column());
    return QVariant();
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= VIEW_COLUMN_COUNT)
        return QVariant();
    if (role == Qt::DisplayRole)
        return tr(kColumnHeadings[section]);
    // "No." is centered over its numbers, clear of the "Name" heading.
    if (role == Qt::TextAlignmentRole)
        return section == VIEW_NUMBER_COLUMN ? static_cast<int>(Qt::AlignCenter) : Alignment(section);
    return QVariant();
}

Qt::ItemFlags ChannelListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (MarkOf(index.column()) != 0)
        flags |= Qt::ItemIsUserCheckable;
    // F2 only: the view starts no editor by itself.
    if (index.column() == ViewColumn(COLUMN_NAME))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ChannelListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    if (const uint8_t mark = MarkOf(index.column()); mark != 0 && role == Qt::CheckStateRole)
        emit markClicked(index.row(), mark);
    else if (index.column() == ViewColumn(COLUMN_NAME) && role == Qt::EditRole)
        emit nameEdited(index.row(), value.toString());
    return false;
}

// ---- the session's changes ----

void ChannelListModel::RowsAboutToBeReplaced() {
    beginResetModel();
}

void ChannelListModel::RowsReplaced() {
    endResetModel();
}

void ChannelListModel::RowsAboutToBeReordered() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ChannelListModel::RowsReordered(const std::vector<int>& newRowOf) {
    // Selections and the current row follow their rows.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(createIndex(newRowOf[static_cast<size_t>(index.row())], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ChannelListModel::FavoriteTextsChanged() {
    if (rowCount() == 0)
        return;
    const int column = ViewColumn(COLUMN_FAVORITE);
    emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole, Qt::ToolTipRole});
}

void ChannelListModel::RowTextsChanged(const std::vector<int>& rows) {
    if (rows.empty())
        return;
    const auto [first, last] = std::minmax_element(rows.begin(), rows.end());
    emit dataChanged(index(*first, 0), index(*last, VIEW_COLUMN_COUNT - 1));
}
