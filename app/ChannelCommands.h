// The commands on TV and radio channels: add, edit, delete, move up and
// down, and cut and paste of a block, in the channel list in front.
#pragma once

#include "ImageFormat.h"

#include <QObject>

#include <vector>

class CVolmarenView;
class QTreeView;

class CChannelCommands : public QObject {
    Q_OBJECT
public:
    explicit CChannelCommands(CVolmarenView& view);

    void OnMenu(int kind);
    void OnAdd();
    void OnEditButton();
    void OnEdit(int kind);
    void OnDeleteButton();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnCut();
    void OnPaste();

    bool HasCutList() const { return !m_pCutList.empty(); }

private:
    QTreeView* ListInFront() const;
    // The moves' checks; reports a missing selection.
    bool MayMove();
    // Collects the selected rows from the first selection down into
    // m_moveRows; returns their number.
    int CollectMoveRows();
    // Selects the rows held in m_moveRows after a move and shows the first at
    // the top of the list.
    void ShowMovedRows(int n);
    bool CutListIsCurrent() const;

    CVolmarenView& m_view;

    // Cut state: the slots taken by Cut, in list order, with what they held
    // then, and the list context at that moment.
    std::vector<int> m_pCutList;
    std::vector<ChannelRecord> m_cutRecords;
    std::vector<BouquetEntry> m_cutBouquets;
    int m_nCutFilter = 0;
    int m_nCutTab = 0;
    int m_nCutSatRow = 0;
    int m_nCutTpRow = 0;
};
