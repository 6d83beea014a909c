// What the lists showed when an undo step was taken: what was chosen in them
// and the selected rows of the four lists. Undo and Redo bring it back.
#pragma once

#include "ListState.h"

#include <array>
#include <vector>

struct ListContext {
    CListState::Snapshot state;
    std::array<std::vector<int>, 4> selectedRows;
};
