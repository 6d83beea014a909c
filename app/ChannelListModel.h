// One channel list (TV or radio) over the view of that kind: a
// row shows the record named by the view's entry for that row. Cell texts
// are made when a row is drawn, so filling thousands of rows costs nothing.
#pragma once

#include "ImageFormat.h"

#include <QAbstractTableModel>
#include <QStringList>

class CChannelDatabase;
class CChannelViews;

class ChannelListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ChannelListModel(const CChannelDatabase& db, const CChannelViews& views, ChannelKind kind,
                     QObject* parent = nullptr);

    // Takes the view's current length; the rows show the view's entries.
    void Fill();
    void Clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The texts of one row, as the list shows them.
    QStringList RowTexts(int row) const;

private:
    const CChannelDatabase& m_db;
    const CChannelViews& m_views;
    const ChannelKind m_kind;
    int m_rows = 0;
    // The row whose texts were made last: a row is drawn cell by cell.
    mutable int m_cachedRow = -1;
    mutable QStringList m_cachedTexts;
};
