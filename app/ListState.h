// The form's list state: what the channel lists are narrowed to, the rows the
// last clicks chose, the first selections the delete and move commands walk
// from, and the channels Cut took. The form owns it and the commands are
// given it.
#pragma once

#include "ImageFormat.h"

#include <array>
#include <string>
#include <vector>

// The slots Cut took, in list order, with what they held then and the list
// context at that moment.
struct CutList {
    std::vector<int> slots;
    std::vector<ChannelRecord> records;
    std::vector<BouquetEntry> bouquets;
    int filter = 0;
    ChannelKind tab = kTv;
    int satRow = 0;
    int tpRow = 0;
    std::string search;

    bool Empty() const { return slots.empty(); }
    void Clear() { *this = CutList(); }
};

class CListState {
public:
    // 0 all channels, 1 one satellite's, 2 one transponder's.
    int m_nFilter = 0;
    // Satellite list row at the last click: 0 'All Satellite', k satellite
    // k - 1, -1 none.
    int m_nSatRow = -1;
    // Transponder list row at the last click: 0 'All Transponder', k entry
    // k - 1 of the transponder view, -1 none.
    int m_nTpRow = -1;
    // Per channel kind: the row of that list at its last click, so a command
    // never takes a row clicked in the other tab's list.
    std::array<int, 2> m_nChRow{-1, -1};
    // Channel kind in front.
    ChannelKind m_nTab = kTv;
    // 1 + the first selected row when it was last taken, 0 for none.
    int m_nSatFirstSel = 0;
    int m_nTpFirstSel = 0;
    int m_nChFirstSel = 0;

    // What the Find field narrows the channel lists to; empty for no search.
    std::string m_search;

    CutList m_cut;

    // The channel rows no longer name what was clicked.
    void ForgetChannelRows() { m_nChRow.fill(-1); }
};

// What the lists showed when an undo step was taken: the narrowing, the
// chosen rows and the selected rows of the four lists. Undo and Redo bring it
// back.
struct ListContext {
    CListState state;
    std::array<std::vector<int>, 4> selectedRows;
};
