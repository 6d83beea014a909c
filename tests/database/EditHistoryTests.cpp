// Undo and redo of the editor's changes on random valid databases: every
// byte an edit can touch comes back exactly, and the clean state follows.
#include "ChannelDatabase.h"
#include "EditHistory.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

int Below(std::mt19937& rng, int n)
{
    return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}

std::vector<std::uint8_t> Bytes(const CChannelDatabase& db)
{
    std::vector<std::uint8_t> bytes;
    CChangeRecord::TakeSnapshot(db, bytes);
    return bytes;
}

std::vector<int> SomeOf(std::mt19937& rng, int count)
{
    std::vector<int> picked;
    for (int i = 0; i < count; ++i) {
        if (Below(rng, 4) == 0)
            picked.push_back(i);
    }
    return picked;
}

// One of the changes the editor's commands make, at random.
void RandomChange(CChannelDatabase& db, std::mt19937& rng)
{
    const ChannelKind kind = ChannelKind(Below(rng, 2));
    const int channels = db.GetChannelCount(kind);
    switch (Below(rng, 9)) {
    case 0: {
        SatelliteRecord satellite{};
        std::snprintf(satellite.name, sizeof satellite.name, "SAT %d", Below(rng, 1000));
        if (db.GetSatelliteCount() < Image::kMaxSatellites)
            db.AddSatellite(satellite);
        break;
    }
    case 1:
        if (db.GetSatelliteCount() > 0 && db.GetTransponderCount() < Image::kMaxTransponders) {
            TransponderRecord transponder{};
            transponder.frequency = std::uint32_t(10000 + Below(rng, 3000)) * 1000;
            transponder.symbolRate = 27500;
            db.AddTransponder(Below(rng, db.GetSatelliteCount()), transponder);
        }
        break;
    case 2:
        if (db.GetTransponderCount() > 0 && channels < ChannelCapacity(kind)) {
            ChannelRecord channel{};
            channel.transponderIndex = std::uint16_t(Below(rng, db.GetTransponderCount()));
            channel.audioPid = std::uint16_t(Below(rng, 8000));
            std::snprintf(channel.name, sizeof channel.name, "CH %d", Below(rng, 1000));
            db.AddChannel(channel, "Bouquet", kind);
        }
        break;
    case 3: db.DeleteSatellites(SomeOf(rng, db.GetSatelliteCount())); break;
    case 4: db.DeleteTransponders(SomeOf(rng, db.GetTransponderCount())); break;
    case 5: db.DeleteChannels(SomeOf(rng, channels), kind); break;
    case 6: db.MoveChannels(SomeOf(rng, channels), Below(rng, channels + 1) - 1, kind); break;
    case 7: {
        ChannelFlagChanges changes;
        changes.lock = Below(rng, 2) == 0;
        changes.joinGroups = std::uint8_t(Below(rng, 256));
        db.SetChannelFlags(SomeOf(rng, channels), changes, kind);
        break;
    }
    default: {
        SystemInfo info;
        db.GetSystemInfo(info);
        info.menuLanguage = std::uint8_t(Below(rng, 5));
        db.SetSystemInfo(info);
        break;
    }
    }
}

}  // namespace

TEST(EditHistory, UndoingEveryStepGivesBackTheOriginalBytesAndRedoingTheFinalOnes)
{
    std::mt19937 rng(20261207);
    for (int round = 0; round < 60; ++round) {
        CChannelDatabase db;
        FillRandomDatabase(db, rng, RandomTableSizes(rng));
        CEditHistory history;
        const std::vector<std::uint8_t> original = Bytes(db);
        int recorded = 0;
        for (int n = Below(rng, 25); n > 0; --n) {
            history.Begin(db);
            RandomChange(db, rng);
            recorded += history.Commit(db, "change", recorded) ? 1 : 0;
        }
        const std::vector<std::uint8_t> final = Bytes(db);
        ASSERT_EQ(int(history.StepCount()), recorded);

        for (int step = recorded - 1; step >= 0; --step)
            ASSERT_EQ(std::any_cast<int>(history.Undo(db, std::any())), step);
        ASSERT_FALSE(history.CanUndo());
        ASSERT_TRUE(Bytes(db) == original) << "round " << round;
        ASSERT_TRUE(history.IsClean());

        while (history.CanRedo())
            history.Redo(db, std::any());
        ASSERT_TRUE(Bytes(db) == final) << "round " << round;
        ASSERT_EQ(history.IsClean(), recorded == 0);
    }
}

TEST(EditHistory, TheCleanStateFollowsSaveUndoRedoAndTheDepth)
{
    CChannelDatabase db;
    std::mt19937 rng(7);
    FillRandomDatabase(db, rng, {3, 10, 20, 5});
    CEditHistory history;
    auto rename = [&](int n) {
        history.Begin(db);
        SystemInfo info;
        db.GetSystemInfo(info);
        ++info.displayColor;
        db.SetSystemInfo(info);
        return history.Commit(db, "Step " + std::to_string(n), std::any());
    };

    // No byte changed: nothing to undo, still clean.
    history.Begin(db);
    EXPECT_FALSE(history.Commit(db, "nothing", std::any()));
    EXPECT_TRUE(history.IsClean());

    ASSERT_TRUE(rename(1));
    ASSERT_TRUE(rename(2));
    EXPECT_FALSE(history.IsClean());
    history.MarkClean();
    history.Undo(db, std::any());
    EXPECT_FALSE(history.IsClean());
    EXPECT_EQ(history.RedoLabel(), "Step 2");
    history.Redo(db, std::any());
    EXPECT_TRUE(history.IsClean());

    // A new step after an undo cannot reach the saved data again.
    history.Undo(db, std::any());
    ASSERT_TRUE(rename(3));
    EXPECT_FALSE(history.CanRedo());
    history.Undo(db, std::any());
    EXPECT_FALSE(history.IsClean());

    // Only the last steps are kept.
    history.Clear();
    for (int n = 0; n < int(CEditHistory::kDepth) + 20; ++n)
        ASSERT_TRUE(rename(n + 10));
    EXPECT_EQ(history.StepCount(), CEditHistory::kDepth);
    EXPECT_EQ(history.UndoLabel(), "Step 129");
    while (history.CanUndo())
        history.Undo(db, std::any());
    EXPECT_EQ(history.RedoLabel(), "Step 30");
    EXPECT_FALSE(history.IsClean());
}

TEST(EditHistory, AStepAcrossTheEndOfATableIsUndoneInBothTables)
{
    CChannelDatabase db;
    std::mt19937 rng(11);
    FillRandomDatabase(db, rng, {3, 10, 20, 5});
    const std::vector<std::uint8_t> original = Bytes(db);
    CEditHistory history;
    for (std::size_t k = 0; k + 1 < CChannelDatabase::kEditableRegions; ++k) {
        history.Begin(db);
        const auto regions = db.EditableRegions();
        regions[k].back() ^= 0x5A;
        regions[k + 1].front() ^= 0x5A;
        const std::vector<std::uint8_t> changed = Bytes(db);
        ASSERT_TRUE(history.Commit(db, "across", std::any()));
        history.Undo(db, std::any());
        EXPECT_TRUE(Bytes(db) == original) << "tables " << k << " and " << k + 1;
        history.Redo(db, std::any());
        EXPECT_TRUE(Bytes(db) == changed) << "tables " << k << " and " << k + 1;
        history.Undo(db, std::any());
    }
}
