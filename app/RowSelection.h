// Reading and setting the selected rows of a list. "First selected row" is
// the lowest selected row.
#pragma once

#include <vector>

class QAbstractItemView;

int SelectedRowCount(const QAbstractItemView* list);
// -1 when no row is selected.
int FirstSelectedRow(const QAbstractItemView* list);
// Selected rows from `from` down, ascending.
std::vector<int> SelectedRowsFrom(const QAbstractItemView* list, int from);
// Adds `row` to the selection and makes it current; other rows stay.
void SelectRow(QAbstractItemView* list, int row);
void FocusList(QAbstractItemView* list);
// Scrolls `list` so that `row` is its first visible row, or as near as the
// list's end allows.
void ShowRowAtTop(QAbstractItemView* list, int row);
