// What the four lists show and what a person chose in them: the narrowing of
// the channel lists (everything, one satellite's or one transponder's
// channels, then the search), the rows the last clicks chose, the first
// selections the delete and move commands walk from, and the channels Cut
// took. It owns the views the lists are filled from; the window only shows
// them.
//
// Rows are list rows: satellite row 0 is 'All Satellite' and row k satellite
// k - 1; transponder row 0 is 'All Transponder' and row k the transponder
// view's entry k - 1; -1 is no row. A first selection is a row, or -1.
#pragma once

#include "ChannelViews.h"
#include "ImageFormat.h"

#include <array>
#include <span>
#include <string>
#include <utility>
#include <vector>

class CChannelDatabase;

// What the channel lists are narrowed to before the search.
enum class ChannelFilter {
    All,
    Satellite,  // the channels of the chosen satellite row
    Transponder,  // the channels of the chosen transponder row
};

class CListState {
    // What was chosen; the views follow from it.
    struct Choice {
        ChannelFilter filter = ChannelFilter::All;
        int satRow = -1;
        int tpRow = -1;
        std::array<int, 2> chRow{-1, -1};
        ChannelKind tab = kTv;
        int satFirstSel = -1;
        int tpFirstSel = -1;
        int chFirstSel = -1;
        std::string search;
    };

public:
    // Nothing chosen yet, TV in front, the views empty. The database must
    // outlive the state.
    explicit CListState(const CChannelDatabase& db);

    // --- What the lists show ---------------------------------------------
    const CChannelViews& Views() const { return m_views; }
    ChannelFilter Filter() const { return m_choice.filter; }
    int SatelliteRow() const { return m_choice.satRow; }
    int TransponderRow() const { return m_choice.tpRow; }
    // The row of that kind's list at its last click, so a command never takes
    // a row clicked in the other tab's list.
    int ChannelRow(ChannelKind kind) const { return m_choice.chRow[KindIndex(kind)]; }
    ChannelKind Tab() const { return m_choice.tab; }
    int FirstSatelliteSelection() const { return m_choice.satFirstSel; }
    int FirstTransponderSelection() const { return m_choice.tpFirstSel; }
    int FirstChannelSelection() const { return m_choice.chFirstSel; }
    // What the search narrows the channel lists to (Latin-1); empty for none.
    const std::string& Search() const { return m_choice.search; }
    // The rows of that kind's list before the search narrowed them.
    int NarrowedCount(ChannelKind kind) const { return m_narrowedCount[KindIndex(kind)]; }
    // The transponder the chosen transponder row names, or -1.
    int ChosenTransponder() const;
    // The table slot a row of that kind's list shows, or -1.
    int SlotOfRow(int row, ChannelKind kind) const { return m_views.GetChannelViewEntry(row, kind); }

    // --- What a person does ----------------------------------------------
    // New data: every list starts again from everything, with row 0 of each
    // chosen.
    void ShowEverything();
    // A click on a satellite row (or beside the rows: -1): narrows the
    // transponders and channels to that satellite, or widens them to all.
    void ChooseSatellite(int row, int firstSelectedRow);
    // A click that chooses a transponder row: row 0 widens the channels to
    // the chosen satellite's (or all), a row k narrows them to that
    // transponder.
    void ChooseTransponder(int row, int firstSelectedRow);
    // A click in the transponder list that chooses none: beside the rows, on
    // a row it deselected, or while there is no data. Nothing is narrowed.
    void PointAtTransponder(int row, int firstSelectedRow);
    void ChooseChannel(ChannelKind kind, int row, int firstSelectedRow);
    // The Find field's text: both channel lists narrowed again.
    void SearchFor(const std::string& text);
    void SwitchTab();
    // Remembers the channels in `rows` of the list in front, with what they
    // hold now; no rows forget the last cut.
    void Cut(std::span<const int> rows);
    // The cut may be pasted: the lists are narrowed as at the cut and the
    // cut slots still hold what they held then.
    bool CanPaste() const;
    const std::vector<int>& CutSlots() const { return m_cut.slots; }
    // Where a paste puts the cut: before the channel of the row last clicked
    // in the list in front, or after the last channel (-1).
    int PastePosition() const;
    // After the paste: the cut and the row it went to are used up.
    void FinishPaste();
    bool HasCut() const { return !m_cut.slots.empty(); }

    // --- What a command did ------------------------------------------------
    // A command selected this row itself: it counts as clicked.
    void MarkSatelliteRow(int row) { m_choice.satRow = row; }
    void MarkTransponderRow(int row) { m_choice.tpRow = row; }
    // The selections the delete and move commands walk from.
    void NoteSatelliteSelection(int firstSelectedRow) { m_choice.satFirstSel = firstSelectedRow; }
    void NoteTransponderSelection(int firstSelectedRow) { m_choice.tpFirstSel = firstSelectedRow; }
    void NoteChannelSelection(int firstSelectedRow) { m_choice.chFirstSel = firstSelectedRow; }
    // The channel rows no longer name what was clicked.
    void ForgetChannelRows() { m_choice.chRow.fill(-1); }
    // Transponders were deleted: the row clicked before may now name another
    // transponder or none, so none is chosen and the channel lists stay
    // empty until the next click.
    void LoseTransponder();

    // --- Following the data ------------------------------------------------
    // The views again for what is chosen, after the data changed.
    void ShowTranspondersForChoice();
    void ShowChannelsForFilter(ChannelKind kind);

    // What was chosen, without the views and the cut: an undo step keeps it.
    class Snapshot {
    public:
        Snapshot() = default;

    private:
        friend class CListState;
        explicit Snapshot(Choice choice) : m_choice(std::move(choice)) { }
        Choice m_choice;
    };
    Snapshot Save() const { return Snapshot(m_choice); }
    // Chooses what was chosen then, and shows it; the cut stays.
    void Restore(const Snapshot& snapshot);

private:
    // The slots Cut took, in list order, with what they held then and what
    // was chosen at that moment.
    struct CutList {
        std::vector<int> slots;
        std::vector<ChannelRecord> records;
        std::vector<BouquetEntry> bouquets;
        Choice choice;
    };

    bool CutIsCurrent() const;

    const CChannelDatabase& m_db;
    CChannelViews m_views;
    Choice m_choice;
    CutList m_cut;
    std::array<int, 2> m_narrowedCount{};
};
