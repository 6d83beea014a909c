// The list state on random databases: after any sequence of clicks, searches
// and tab switches the views show exactly what the choice and the search
// name. Undo's snapshots and the cut are tried in the window's tests.
#include "ChannelDatabase.h"
#include "ChannelSearch.h"
#include "ListState.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Below(std::mt19937& rng, int n)
{
    return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}

// What the channel list of `kind` must show, worked out channel by channel.
std::vector<int> ExpectedChannels(const CChannelDatabase& db, const CListState& state, ChannelKind kind,
                                  int& narrowed)
{
    std::vector<int> slots;
    const ChannelSearch search(state.Search());
    for (int slot = 0; slot < db.GetChannelCount(kind); ++slot) {
        ChannelRecord channel;
        db.GetChannel(channel, slot, kind);
        TransponderRecord transponder;
        db.GetTransponder(transponder, channel.transponderIndex);
        const bool shown = state.Filter() == ChannelFilter::All ||
                           (state.Filter() == ChannelFilter::Satellite &&
                            transponder.satelliteIndex == state.SatelliteRow() - 1) ||
                           (state.Filter() == ChannelFilter::Transponder && state.TransponderRow() >= 1 &&
                            channel.transponderIndex == state.ChosenTransponder());
        if (shown)
            slots.push_back(slot);
    }
    narrowed = int(slots.size());
    std::erase_if(slots, [&](int slot) { return !search.Finds(db, slot, kind); });
    return slots;
}

std::vector<int> ExpectedTransponders(const CChannelDatabase& db, const CListState& state)
{
    std::vector<int> transponders;
    for (int tp = 0; tp < db.GetTransponderCount(); ++tp) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, tp);
        if (state.SatelliteRow() < 1 || transponder.satelliteIndex == state.SatelliteRow() - 1)
            transponders.push_back(tp);
    }
    return transponders;
}

// Two letters of some channel's name, or none: searches that find a few.
std::string SomeSearch(const CChannelDatabase& db, std::mt19937& rng)
{
    const int count = db.GetChannelCount(kTv);
    if (count == 0 || Below(rng, 3) == 0)
        return {};
    ChannelRecord channel;
    db.GetChannel(channel, Below(rng, count), kTv);
    return std::string(channel.name, 2);
}

// One thing a person does in the lists, at random.
void RandomAction(const CChannelDatabase& db, CListState& state, std::mt19937& rng)
{
    switch (Below(rng, 5)) {
    case 0: state.ChooseSatellite(Below(rng, db.GetSatelliteCount() + 1), -1); break;
    case 1: state.ChooseTransponder(Below(rng, state.Views().GetTransponderViewLength() + 1), -1); break;
    case 2: state.SearchFor(SomeSearch(db, rng)); break;
    case 3: state.SwitchTab(); break;
    default: state.ShowEverything(); break;
    }
}

}  // namespace

TEST(ListState, TheViewsShowWhatTheChoiceAndTheSearchName)
{
    std::mt19937 rng(190);
    for (int round = 0; round < 40; ++round) {
        CChannelDatabase db;
        FillRandomDatabase(db, rng, RandomTableSizes(rng));
        CListState state(db);
        state.ShowEverything();
        for (int step = 0; step < 30; ++step) {
            RandomAction(db, state, rng);
            SCOPED_TRACE("round " + std::to_string(round) + " step " + std::to_string(step));
            ASSERT_EQ(TransponderViewRows(state.Views()), ExpectedTransponders(db, state));
            for (ChannelKind kind : kChannelKinds) {
                int narrowed = 0;
                ASSERT_EQ(state.Views().GetChannelViewSlots(kind),
                          ExpectedChannels(db, state, kind, narrowed));
                ASSERT_EQ(state.NarrowedCount(kind), narrowed);
            }
        }
    }
}
