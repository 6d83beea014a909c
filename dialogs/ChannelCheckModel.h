// The rows of one channel list of Favorite Group Edit: every channel of one
// kind in table order, with a check box that shows whether the channel's
// working mask byte has the bit of the group on display. The cell texts are
// read from the database only for the rows a view paints, so a list of a
// full table opens at once.
#pragma once

#include "ImageFormat.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

class CChannelDatabase;

class ChannelCheckModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // `masks` holds one byte per channel and outlives the model; the
    // database must not change while the model lives.
    ChannelCheckModel(const CChannelDatabase& db, ChannelKind kind, const std::vector<std::uint8_t>& masks,
                      QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static constexpr int kColumnCount = 6;
    static int ColumnWidth(int column);

    // Shows the membership of the group with this bit; 0 shows no box set.
    void ShowGroupBit(std::uint8_t bit);
    // Repaints the box of `row` after its mask byte changed.
    void MaskChanged(int row);

private:
    QString CellText(int row, int column) const;

    const CChannelDatabase& m_db;
    ChannelKind m_nKind;
    const std::vector<std::uint8_t>& m_masks;
    int m_nTransponderCount;
    int m_nSatelliteCount;
    std::uint8_t m_nBit = 0;
};
