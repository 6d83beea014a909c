// What the editing commands need of the form: the rows a person selected and
// clicked in its four lists, and showing rows. The commands see the lists
// only through this.
#pragma once

#include "ImageFormat.h"

#include <vector>

class QWidget;

enum class FormList { Satellites, Transponders, TvChannels, RadioChannels };

inline FormList ChannelsOf(ChannelKind kind)
{
    return kind == kRadio ? FormList::RadioChannels : FormList::TvChannels;
}

class IFormLists {
public:
    virtual ~IFormLists() = default;

    // The window the commands' dialogs and messages belong to.
    virtual QWidget* Window() = 0;

    // --- Rows ----------------------------------------------------------------
    virtual int RowCount(FormList list) const = 0;
    virtual int SelectedRowCount(FormList list) const = 0;
    // The lowest selected row, or -1.
    virtual int FirstSelectedRow(FormList list) const = 0;
    // Selected rows from `from` down, ascending.
    virtual std::vector<int> SelectedRowsFrom(FormList list, int from) const = 0;
    // The row under the last click in the list, or -1.
    virtual int ClickedRow(FormList list) const = 0;

    // --- Showing rows --------------------------------------------------------
    virtual void FocusList(FormList list) = 0;
    // Adds `row` to the selection and makes it current; other rows stay.
    virtual void SelectRow(FormList list, int row) = 0;
    virtual void ClearSelection(FormList list) = 0;
    // Scrolls so that `row` is the first visible row, or as near as the
    // list's end allows.
    virtual void ShowRowAtTop(FormList list, int row) = 0;
    // Scrolls as little as shows `row`.
    virtual void ScrollToRow(FormList list, int row) = 0;
    virtual void ScrollBy(FormList list, int pixels) = 0;

    // --- The form's own steps ------------------------------------------------
    // The narrowing clicks on the row last clicked, which the right-click
    // menus make first.
    virtual void ClickSatellite() = 0;
    virtual void ClickTransponder() = 0;
    // Both channel lists again from their views, after the list state
    // changed them.
    virtual void RefillChannelLists() = 0;
};
