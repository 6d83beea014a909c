// The commands on TV and radio channels: add, edit, delete, move up and
// down, and cut and paste of a block, in the channel list in front.
#pragma once

#include <QObject>

#include <vector>

class CListState;
class CVolmarenDoc;
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

    bool HasCutList() const;

private:
    CVolmarenDoc& Document() const;
    QTreeView* ListInFront() const;
    // The moves' checks; reports a missing selection.
    bool MayMove();
    // The selected rows from the first selection down; reports when there
    // are none.
    std::vector<int> RowsToMove();
    // One step of the move commands: each row of `rows` trades places with
    // its neighbour `by` rows away, unless it is at the end of the list.
    void Move(std::vector<int>& rows, int by);
    // Selects `rows` after a move and shows the first at the top of the list.
    void ShowMovedRows(const std::vector<int>& rows);
    bool CutListIsCurrent() const;

    CVolmarenView& m_view;
    CListState& m_state;
};
