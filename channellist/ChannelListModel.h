// The rows of the channel list as an item model over the session's rows. A row is only its value
// in the session; cell texts are computed when the view asks for them, so a list of 65,535
// channels costs one vector and no per-row objects.
#pragma once

#include "channellist/ChannelListSession.h"

#include <QAbstractItemModel>
#include <QString>

#include <vector>

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

    QString CellText(int row, int column) const;

private:
    void RowsAboutToBeReplaced() override;
    void RowsReplaced() override;
    void RowAboutToMove(int from, int to) override;
    void RowMoved() override;
    void RowAboutToBeRemoved(int row) override;
    void RowRemoved() override;
    void RowsAboutToBeReordered() override;
    void RowsReordered(const std::vector<int>& newRowOf) override;
    void FavoriteTextsChanged() override;

    ChannelListSession& session_;
};
