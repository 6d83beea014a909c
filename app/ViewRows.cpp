// The form's side of IFormLists: the commands read and show rows of its lists.
#include "CVolmarenView.h"

#include "RowSelection.h"

#include <QAbstractItemView>
#include <QScrollBar>

int CVolmarenView::HitTestAtCursor(QAbstractItemView* list) const
{
    const int slot = SlotOf(list);
    if (slot < 0)
        return -1;
    const QModelIndex index = list->indexAt(m_lastClick[std::size_t(slot)]);
    return index.isValid() ? index.row() : -1;
}

int CVolmarenView::RowCount(FormList list) const
{
    return List(list)->model()->rowCount();
}

int CVolmarenView::SelectedRowCount(FormList list) const
{
    return ::SelectedRowCount(List(list));
}

int CVolmarenView::FirstSelectedRow(FormList list) const
{
    return ::FirstSelectedRow(List(list));
}

std::vector<int> CVolmarenView::SelectedRowsFrom(FormList list, int from) const
{
    return ::SelectedRowsFrom(List(list), from);
}

int CVolmarenView::ClickedRow(FormList list) const
{
    return HitTestAtCursor(List(list));
}

void CVolmarenView::FocusList(FormList list)
{
    ::FocusList(List(list));
}

void CVolmarenView::SelectRow(FormList list, int row)
{
    ::SelectRow(List(list), row);
}

void CVolmarenView::ClearSelection(FormList list)
{
    List(list)->clearSelection();
}

void CVolmarenView::ShowRowAtTop(FormList list, int row)
{
    ::ShowRowAtTop(List(list), row);
}

void CVolmarenView::ScrollToRow(FormList list, int row)
{
    QAbstractItemView* view = List(list);
    view->scrollTo(view->model()->index(row, 0));
}

void CVolmarenView::ScrollBy(FormList list, int pixels)
{
    QScrollBar* bar = List(list)->verticalScrollBar();
    bar->setValue(bar->value() + pixels);
}

void CVolmarenView::RefillChannelLists()
{
    FillChannelList(kTv);
    FillChannelList(kRadio);
}
