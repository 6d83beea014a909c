// The differences of a comparison as a tree: one row per table and kind of
// change, with its count, above one row per difference, which shows our
// value beside theirs. A filter narrows the rows to those whose texts hold
// it. The texts are made once per comparison, so thousands of rows stay cheap
// to filter and to show.
#pragma once

#include "Comparison.h"
#include "DifferenceTexts.h"

#include <QAbstractItemModel>

#include <vector>

class CDifferenceModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { kName, kNumber, kOurs, kTheirs, kColumnCount };
    // A group's table and change, the same in the next comparison.
    using GroupKey = std::pair<Diff::Table, Diff::Change>;

    explicit CDifferenceModel(QObject* parent = nullptr);

    // Shows `comparison` through the current filter.
    void SetComparison(const Diff::Comparison& comparison);
    void SetFilter(const QString& text);
    // The columns' headings name the two sides.
    void SetSideLabels(const QString& ours, const QString& theirs);

    std::size_t Total() const { return m_texts.size(); }
    std::size_t Shown() const { return m_shown; }
    // The differences that rows name, ascending: a difference's row names
    // it, a group's row every difference it shows.
    std::vector<std::size_t> Differences(const QModelIndexList& rows) const;
    // What a difference's row says; nullptr for a group's row.
    const DifferenceText* Text(const QModelIndex& index) const;
    bool IsGroup(const QModelIndex& index) const;
    GroupKey Key(const QModelIndex& index) const;
    // The row of the group with `key`, or an invalid index.
    QModelIndex GroupIndex(const GroupKey& key) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Group {
        GroupKey key;
        QString title;
        std::vector<std::size_t> members;  // differences, in the comparison's order
        std::vector<std::size_t> shown;  // the members the filter lets through
    };
    // The group a row belongs to: its own for a group's row.
    const Group& GroupOf(const QModelIndex& index) const;
    bool Matches(const DifferenceText& text) const;
    void Refilter();

    std::vector<DifferenceText> m_texts;  // one per difference
    std::vector<Group> m_groups;
    std::vector<std::size_t> m_visible;  // the groups with rows to show, by row
    std::size_t m_shown = 0;
    QString m_filter;
    QString m_ourLabel, m_theirLabel;
};
