// The rows of the channel list. A row holds only its value: the position of its program in the
// programs table as it was when the dialog opened (for a favorite group this is the list entry
// itself). Cell texts are computed when the view asks for them, so a list of 65,535 channels costs
// one vector and no per-row objects.
#pragma once

#include "database/NetworkDatabase.h"

#include <QAbstractItemModel>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum ChannelColumn { COLUMN_NAME = 0, COLUMN_CA = 1, COLUMN_NETWORK = 2, COLUMN_FAVORITE = 3, COLUMN_COUNT = 4 };

// caMask bits that the "CA" column shows and sorts by.
constexpr uint32_t CA_SHOWN_BITS = 0xC000FFFFu;

// Index of the program's network, or -1 when its transponder or the transponder's network does not exist.
int NetworkIndexOf(const NetworkDatabase& database, const Program& program);
// "%s %u%s": network name, frequency in MHz and polarity letter. Empty when the program's transponder
// or that transponder's network does not exist.
QString NetworkText(const NetworkDatabase& database, const Program& program);
QString CaText(const Program& program);
// Lower-case form of a name byte in the ISO-8859-1 view.
unsigned char FoldLatin1(unsigned char c);
// The name with every letter folded to lower case: two names compare without regard to letter case
// by comparing their folded forms byte by byte.
std::string FoldName(const std::string& name);

class ChannelListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    using FavoriteTextFunction = std::function<QString(const Program&)>;

    ChannelListModel(const NetworkDatabase& database, FavoriteTextFunction favoriteText, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const std::vector<uint32_t>& Rows() const { return rows_; }
    uint32_t RowValue(int row) const { return rows_[static_cast<size_t>(row)]; }
    const Program& RowProgram(int row) const { return *database_.programs()[RowValue(row)]; }
    QString CellText(int row, int column) const;

    // Replaces every row (a reset of the model). Every value must be below the program count.
    void SetRows(std::vector<uint32_t> rows);
    // Takes row `from` out and inserts it at index `to` of the list as it was before.
    void MoveRow(int from, int to);
    void RemoveRowAt(int row);
    // Reorders the rows with a stable sort; `less` compares two rows by their current indices.
    // Selections follow their rows.
    void SortRows(const std::function<bool(size_t, size_t)>& less);
    // The "Favorite" column of every row must be asked again (membership or names changed).
    void RefreshFavoriteColumn();

private:
    const NetworkDatabase& database_;
    FavoriteTextFunction favoriteText_;
    std::vector<uint32_t> rows_;
};
