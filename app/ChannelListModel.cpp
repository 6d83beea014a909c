#include "ChannelListModel.h"

#include "CellText.h"
#include "ChannelDatabase.h"
#include "ChannelViews.h"
#include "CoreText.h"

namespace {

Qt::Alignment AlignmentOf(Cells::Align align)
{
    return Qt::AlignVCenter | (align == Cells::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft);
}

}  // namespace

ChannelListModel::ChannelListModel(const CChannelDatabase& db, const CChannelViews& views, ChannelKind kind,
                                   QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_views(views), m_kind(kind)
{
}

void ChannelListModel::Fill()
{
    beginResetModel();
    m_rows = m_views.GetChannelViewLength(m_kind);
    m_cachedRow = -1;
    endResetModel();
}

void ChannelListModel::Clear()
{
    beginResetModel();
    m_rows = 0;
    m_cachedRow = -1;
    endResetModel();
}

int ChannelListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ChannelListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(Cells::ChannelColumns(m_kind).size());
}

QStringList ChannelListModel::RowTexts(int row) const
{
    if (row != m_cachedRow) {
        m_cachedTexts.clear();
        const int slot = m_views.GetChannelViewEntry(row, m_kind);
        const auto cells = Cells::ChannelRow(m_db, row, slot, m_kind);
        const auto& columns = Cells::ChannelColumns(m_kind);
        ChannelRecord channel;
        m_db.GetChannel(channel, slot, m_kind);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            // A group may be named like one of the words; only no group at
            // all is the word.
            const Cells::Content content = columns[c].content;
            const bool words = content == Cells::Content::Words || content == Cells::Content::OnOff ||
                               (content == Cells::Content::Groups && channel.favoriteMask == 0);
            m_cachedTexts.append(words ? CoreText(cells[c]) : QString::fromLatin1(cells[c].c_str()));
        }
        m_cachedRow = row;
    }
    return m_cachedTexts;
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    if (role == Qt::DisplayRole)
        return RowTexts(index.row()).value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            AlignmentOf(Cells::ChannelColumns(m_kind)[std::size_t(index.column())].align));
    return {};
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const auto& columns = Cells::ChannelColumns(m_kind);
    if (orientation != Qt::Horizontal || section < 0 || std::size_t(section) >= columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return CoreText(columns[std::size_t(section)].heading);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(columns[std::size_t(section)].align));
    return {};
}
