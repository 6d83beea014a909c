#include "ChannelCheckModel.h"

#include "CellText.h"
#include "ChannelDatabase.h"
#include "CoreText.h"
#include "EditDialog.h"

#include <array>

namespace {

struct ColumnLook {
    const char* heading;
    int width;
    Qt::Alignment align;
};

constexpr Qt::Alignment kCentered = Qt::AlignCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

const std::array<ColumnLook, ChannelCheckModel::kColumnCount> kColumns{{
    {"", 30, kCentered},
    {QT_TRANSLATE_NOOP("ChannelCheckModel", "Satellite"), 110, kCentered},
    {QT_TRANSLATE_NOOP("ChannelCheckModel", "Trasnponder"), 150, kCentered},
    {QT_TRANSLATE_NOOP("ChannelCheckModel", "Name"), 120, kLeft},
    {QT_TRANSLATE_NOOP("ChannelCheckModel", "Scramble"), 100, kLeft},
    {QT_TRANSLATE_NOOP("ChannelCheckModel", "Bouquet"), 100, kLeft},
}};

enum Column { kCheck, kSatellite, kTransponder, kName, kScramble, kBouquet };

}  // namespace

ChannelCheckModel::ChannelCheckModel(const CChannelDatabase& db, ChannelKind kind,
                                     const std::vector<std::uint8_t>& masks, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_nKind(kind), m_masks(masks),
      m_nTransponderCount(db.GetTransponderCount()), m_nSatelliteCount(db.GetSatelliteCount())
{
}

int ChannelCheckModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_masks.size());
}

int ChannelCheckModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

int ChannelCheckModel::ColumnWidth(int column)
{
    return kColumns[std::size_t(column)].width;
}

QVariant ChannelCheckModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::CheckStateRole:
        if (column != kCheck)
            return {};
        return (m_masks[std::size_t(row)] & m_nBit) ? Qt::Checked : Qt::Unchecked;
    case Qt::DisplayRole: return CellText(row, column);
    case Qt::TextAlignmentRole: return QVariant::fromValue(kColumns[std::size_t(column)].align);
    default: return {};
    }
}

QVariant ChannelCheckModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kColumns[std::size_t(section)].align);
    if (role != Qt::DisplayRole)
        return {};
    if (section == kTransponder && m_nKind == kRadio)
        return tr("Transponder");
    return tr(kColumns[std::size_t(section)].heading);
}

Qt::ItemFlags ChannelCheckModel::flags(const QModelIndex& index) const
{
    // Not user-checkable: the dialog toggles a row on any click on it, box
    // or not, and must be the only one that does.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ChannelCheckModel::ShowGroupBit(std::uint8_t bit)
{
    m_nBit = bit;
    if (!m_masks.empty())
        Q_EMIT dataChanged(index(0, kCheck), index(rowCount() - 1, kCheck), {Qt::CheckStateRole});
}

void ChannelCheckModel::MaskChanged(int row)
{
    Q_EMIT dataChanged(index(row, kCheck), index(row, kCheck), {Qt::CheckStateRole});
}

QString ChannelCheckModel::CellText(int row, int column) const
{
    if (column == kCheck)
        return {};
    if (column == kBouquet)
        return RecordText(Cells::BouquetText(m_db, row, m_nKind));
    ChannelRecord channel;
    m_db.GetChannel(channel, row, m_nKind);
    if (column == kName)
        return RecordText(std::string(channel.name, FieldTextLength(channel.name)));
    if (column == kScramble)
        return CoreText(Cells::ScrambleText(channel));
    if (channel.transponderIndex >= m_nTransponderCount)
        return {};
    TransponderRecord transponder;
    m_db.GetTransponder(transponder, channel.transponderIndex);
    if (column == kTransponder)
        return RecordText(Cells::TransponderText(transponder));
    if (transponder.satelliteIndex >= m_nSatelliteCount)
        return {};
    SatelliteRecord satellite;
    m_db.GetSatellite(satellite, transponder.satelliteIndex);
    return RecordText(Cells::SatelliteText(satellite));
}
