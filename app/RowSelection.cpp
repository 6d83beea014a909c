#include "RowSelection.h"

#include <QAbstractItemView>

#include <algorithm>

int SelectedRowCount(const QAbstractItemView* list)
{
    return int(list->selectionModel()->selectedRows().size());
}

int FirstSelectedRow(const QAbstractItemView* list)
{
    const auto rows = list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    return std::min_element(rows.begin(), rows.end(),
                            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); })
        ->row();
}

std::vector<int> SelectedRowsFrom(const QAbstractItemView* list, int from)
{
    std::vector<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedRows()) {
        if (index.row() >= from)
            rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SelectRow(QAbstractItemView* list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    if (!index.isValid())
        return;
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void FocusList(QAbstractItemView* list)
{
    list->setFocus(Qt::OtherFocusReason);
}

void ShowRowAtTop(QAbstractItemView* list, int row)
{
    list->scrollTo(list->model()->index(row, 0), QAbstractItemView::PositionAtTop);
}
