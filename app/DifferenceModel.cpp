#include "DifferenceModel.h"

#include <QFont>

#include <algorithm>

// A group's row has the internal id 0; a difference's row the row of its
// group plus one.
namespace {

constexpr quintptr kGroupRow = 0;

}  // namespace

CDifferenceModel::CDifferenceModel(QObject* parent) : QAbstractItemModel(parent)
{
}

void CDifferenceModel::SetComparison(const Diff::Comparison& comparison)
{
    beginResetModel();
    m_texts.clear();
    m_texts.reserve(comparison.differences.size());
    m_groups.clear();
    // The comparison lists its differences by table, then by change.
    for (std::size_t i = 0; i < comparison.differences.size(); ++i) {
        const Diff::Difference& difference = comparison.differences[i];
        const GroupKey key{difference.table, difference.change};
        if (m_groups.empty() || m_groups.back().key != key)
            m_groups.push_back({key, DifferenceTexts::GroupTitle(key.first, key.second), {}, {}});
        m_groups.back().members.push_back(i);
        m_texts.push_back(DifferenceTexts::Describe(difference));
    }
    Refilter();
    endResetModel();
}

void CDifferenceModel::SetFilter(const QString& text)
{
    if (text == m_filter)
        return;
    beginResetModel();
    m_filter = text;
    Refilter();
    endResetModel();
}

void CDifferenceModel::SetSideLabels(const QString& ours, const QString& theirs)
{
    m_ourLabel = ours;
    m_theirLabel = theirs;
    Q_EMIT headerDataChanged(Qt::Horizontal, kOurs, kTheirs);
}

bool CDifferenceModel::Matches(const DifferenceText& text) const
{
    const QString* texts[] = {&text.name, &text.number};
    if (std::any_of(std::begin(texts), std::end(texts),
                    [this](const QString* t) { return t->contains(m_filter, Qt::CaseInsensitive); }))
        return true;
    return std::any_of(text.lines.begin(), text.lines.end(), [this](const DifferenceText::Line& line) {
        return line.what.contains(m_filter, Qt::CaseInsensitive) ||
               line.ours.contains(m_filter, Qt::CaseInsensitive) ||
               line.theirs.contains(m_filter, Qt::CaseInsensitive);
    });
}

void CDifferenceModel::Refilter()
{
    m_visible.clear();
    m_shown = 0;
    const QString filter = m_filter.trimmed();
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        Group& group = m_groups[g];
        // The group's own title lets all of it through: "moved" shows every move.
        if (filter.isEmpty() || group.title.contains(filter, Qt::CaseInsensitive)) {
            group.shown = group.members;
        } else {
            group.shown.clear();
            for (std::size_t member : group.members) {
                if (Matches(m_texts[member]))
                    group.shown.push_back(member);
            }
        }
        if (!group.shown.empty())
            m_visible.push_back(g);
        m_shown += group.shown.size();
    }
}

// --- Rows -----------------------------------------------------------------------

const CDifferenceModel::Group& CDifferenceModel::GroupOf(const QModelIndex& index) const
{
    const std::size_t row =
        index.internalId() == kGroupRow ? std::size_t(index.row()) : index.internalId() - 1;
    return m_groups[m_visible[row]];
}

bool CDifferenceModel::IsGroup(const QModelIndex& index) const
{
    return index.isValid() && index.internalId() == kGroupRow;
}

CDifferenceModel::GroupKey CDifferenceModel::Key(const QModelIndex& index) const
{
    return GroupOf(index).key;
}

QModelIndex CDifferenceModel::GroupIndex(const GroupKey& key) const
{
    for (std::size_t row = 0; row < m_visible.size(); ++row) {
        if (m_groups[m_visible[row]].key == key)
            return createIndex(int(row), 0, kGroupRow);
    }
    return {};
}

const DifferenceText* CDifferenceModel::Text(const QModelIndex& index) const
{
    if (!index.isValid() || IsGroup(index))
        return nullptr;
    return &m_texts[GroupOf(index).shown[std::size_t(index.row())]];
}

std::vector<std::size_t> CDifferenceModel::Differences(const QModelIndexList& rows) const
{
    std::vector<std::size_t> chosen;
    for (const QModelIndex& index : rows) {
        if (!index.isValid())
            continue;
        const Group& group = GroupOf(index);
        if (IsGroup(index))
            chosen.insert(chosen.end(), group.shown.begin(), group.shown.end());
        else
            chosen.push_back(group.shown[std::size_t(index.row())]);
    }
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    return chosen;
}

QModelIndex CDifferenceModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= kColumnCount || row >= rowCount(parent))
        return {};
    return createIndex(row, column, parent.isValid() ? quintptr(parent.row()) + 1 : kGroupRow);
}

QModelIndex CDifferenceModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kGroupRow)
        return {};
    return createIndex(int(child.internalId() - 1), 0, kGroupRow);
}

int CDifferenceModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(m_visible.size());
    if (parent.column() != 0 || !IsGroup(parent))
        return 0;
    return int(GroupOf(parent).shown.size());
}

int CDifferenceModel::columnCount(const QModelIndex&) const
{
    return kColumnCount;
}

QVariant CDifferenceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (IsGroup(index)) {
        const Group& group = GroupOf(index);
        if (role == Qt::DisplayRole && index.column() == kName) {
            if (group.shown.size() == group.members.size())
                return QStringLiteral("%1 (%2)").arg(group.title).arg(group.members.size());
            return tr("%1 (%2 of %3)").arg(group.title).arg(group.shown.size()).arg(group.members.size());
        }
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    const DifferenceText& text = *Text(index);
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case kName: return text.name;
        case kNumber: return text.number;
        case kOurs: return text.Ours();
        case kTheirs: return text.Theirs();
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == kNumber)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant CDifferenceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kName: return tr("Difference");
    //: The channel's position in its list.
    case kNumber: return tr("No.");
    case kOurs: return m_ourLabel.isEmpty() ? tr("Ours") : tr("Ours: %1").arg(m_ourLabel);
    case kTheirs: return m_theirLabel.isEmpty() ? tr("Theirs") : tr("Theirs: %1").arg(m_theirLabel);
    default: return {};
    }
}
