#include "channellist/ChannelListModel.h"

#include "database/DisplayTables.h"

#include <algorithm>
#include <numeric>

namespace {

const char* const kColumnHeadings[COLUMN_COUNT] = {"Name", "CA", "Network", "Favorite"};

} // namespace

unsigned char FoldLatin1(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    // Latin-1 capitals À..Þ, except the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    return c;
}

std::string FoldName(const std::string& name) {
    std::string folded(name);
    for (char& c : folded)
        c = static_cast<char>(FoldLatin1(static_cast<unsigned char>(c)));
    return folded;
}

int NetworkIndexOf(const NetworkDatabase& database, const Program& program) {
    if (program.transponderIndex >= database.transponders().size())
        return -1;
    const uint8_t network = database.transponders()[program.transponderIndex]->networkIndex;
    return network < database.networks().size() ? network : -1;
}

QString NetworkText(const NetworkDatabase& database, const Program& program) {
    const int network = NetworkIndexOf(database, program);
    if (network < 0)
        return QString();
    const Transponder& transponder = *database.transponders()[program.transponderIndex];
    return QString::fromLatin1(database.networks()[static_cast<size_t>(network)]->name) + QLatin1Char(' ') +
           QString::number(transponder.frequency) + QString::fromLatin1(PolarityLetter(transponder.polarity()));
}

QString CaText(const Program& program) {
    std::string text;
    FormatCaNames(program.caMask & CA_SHOWN_BITS, text);
    return QString::fromLatin1(text);
}

ChannelListModel::ChannelListModel(const NetworkDatabase& database, FavoriteTextFunction favoriteText, QObject* parent)
    : QAbstractItemModel(parent), database_(database), favoriteText_(std::move(favoriteText)) {}

QModelIndex ChannelListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= COLUMN_COUNT)
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex ChannelListModel::parent(const QModelIndex&) const {
    return QModelIndex();
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QString ChannelListModel::CellText(int row, int column) const {
    const Program& program = RowProgram(row);
    switch (column) {
    case COLUMN_NAME:
        return QString::fromLatin1(program.name);
    case COLUMN_CA:
        return CaText(program);
    case COLUMN_NETWORK:
        return NetworkText(database_, program);
    case COLUMN_FAVORITE:
        return favoriteText_(program);
    default:
        return QString();
    }
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>((index.column() == COLUMN_NAME ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    return QVariant();
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= COLUMN_COUNT)
        return QVariant();
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(kColumnHeadings[section]);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>((section == COLUMN_NAME ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags ChannelListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ChannelListModel::SetRows(std::vector<uint32_t> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ChannelListModel::MoveRow(int from, int to) {
    const int count = rowCount();
    if (from == to || from < 0 || to < 0 || from >= count || to >= count)
        return;
    // Qt names the destination as the row before which the moved row goes, counted before the move.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    const auto first = rows_.begin();
    if (to > from)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    endMoveRows();
}

void ChannelListModel::RemoveRowAt(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void ChannelListModel::SortRows(const std::function<bool(size_t, size_t)>& less) {
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), less);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<uint32_t> sorted(rows_.size());
    std::vector<int> newRowOf(rows_.size());
    for (size_t k = 0; k < order.size(); ++k) {
        sorted[k] = rows_[order[k]];
        newRowOf[order[k]] = static_cast<int>(k);
    }
    rows_.swap(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(createIndex(newRowOf[static_cast<size_t>(index.row())], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ChannelListModel::RefreshFavoriteColumn() {
    if (rows_.empty())
        return;
    emit dataChanged(index(0, COLUMN_FAVORITE), index(rowCount() - 1, COLUMN_FAVORITE), {Qt::DisplayRole});
}
