// The commands on TV and radio channels: add, edit, delete, move up and
// down, and cut and paste of a block, in the channel list in front.
#pragma once

#include "ImageFormat.h"

#include <QList>
#include <QObject>

#include <vector>

class CListState;
class CVolmarenDoc;
class IFormLists;
enum class FormList;

class CChannelCommands : public QObject {
    Q_OBJECT
public:
    CChannelCommands(CVolmarenDoc& doc, CListState& state, IFormLists& form, QObject* parent);

    void OnMenu(ChannelKind kind);
    void OnAdd();
    void OnEditButton();
    void OnEdit(ChannelKind kind);
    void OnDeleteButton();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnCut();
    void OnPaste();
    // Rows of a channel list dragged before row `before`: one move, the same
    // as Cut and Paste to that place.
    void OnDrop(ChannelKind kind, const QList<int>& rows, int before);
    // Sort Channels...: the channels the list in front shows.
    void OnSort();
    // Edit Selected Channels...: Lock, Skip, Audio and groups of every
    // selected channel.
    void OnEditSelected();

    bool HasCutList() const;

private:
    FormList ListInFront() const;
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
    // Moves the channels in `slots` before the channel in slot `position`
    // (-1: after the last) as one step, then selects them and shows them.
    void MoveBlock(const QString& label, const std::vector<int>& slots, int position, bool toTop);

    CVolmarenDoc& m_doc;
    CListState& m_state;
    IFormLists& m_form;
};
