// The rows of the channel list as an item model over the session's rows. A row is only its value
// in the session; cell texts are computed when the view asks for them, so a list of 65,535
// channels costs one vector and no per-row objects.
#pragma once

#include "channellist/ChannelListSession.h"

#include <QAbstractItemModel>
#include <QString>

#include <vector>

// The model's first column, "No.", is the row's place in the list shown; the session's columns follow.
constexpr int VIEW_NUMBER_COLUMN = 0;
constexpr int VIEW_COLUMN_COUNT = COLUMN_COUNT + 1;
constexpr int ViewColumn(int sessionColumn) {
    return sessionColumn + 1;
}
constexpr int SessionColumn(int viewColumn) {
    return viewColumn - 1;
}

class ChannelListModel : public QAbstractItemModel, private ChannelListSession::Listener {
    Q_OBJECT
public:
    // Follows every change of the session's rows from now on, until it is destroyed.
    explicit ChannelListModel(ChannelListSession& session, QObject* parent = nullptr);
    ~ChannelListModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A click on a "Lock" or "Skip" box, or a name typed in place, is reported by markClicked or
    // nameEdited; the dialog decides what changes, so the model changes nothing itself.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The text of a session column (not of the view's columns).
    QString CellText(int row, int column) const;

signals:
    void markClicked(int row, uint8_t mark);
    void nameEdited(int row, const QString& name);

private:
    void RowsAboutToBeReplaced() override;
    void RowsReplaced() override;
    void RowsAboutToBeReordered() override;
    void RowsReordered(const std::vector<int>& newRowOf) override;
    void FavoriteTextsChanged() override;
    void RowTextsChanged(const std::vector<int>& rows) override;

    ChannelListSession& session_;
};
