// Updating a satellite's transponders from a list: the matching rules, what
// applying the plan does, the table limit, a satellite made from the source,
// and our satellites exported and read back.
#include "ImageCheck.h"
#include "TestDatabase.h"
#include "TransponderUpdate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

using namespace TransponderUpdate;
using TransponderList::DeliverySystem;
using TransponderList::Polarization;

namespace {

constexpr auto H = Polarization::Horizontal, V = Polarization::Vertical, L = Polarization::Left,
               R = Polarization::Right;

const TransponderList::Satellite kSource{
    "Astra 1KR/1L/1M/1N (19.2E)",
    192,
    {
        {10998000, 27500000, H},  // 2 MHz from ours 0, which is nearer to the next
        {11001500, 27500000, H},  // ours 0, one whole MHz up
        {11022000, 22000000, R},  // ours 1 (vertical), 2 MHz up
        {11020000, 22000000, L},  // horizontal: no ours near
        {11040000, 22000000, V, DeliverySystem::DvbS2},
        {12002001, 27500000, H},  // just beyond 2 MHz from ours 3
        {11500400, 21999600, V},  // ours 4: the same whole MHz and kS/s
        {11000000, 27500000, V},  // ours 0's frequency, the other polarization
    }};

// Satellite 0 has transponders 0, 1, 3 and 4; satellite 1 has transponder 2,
// at ours 0's frequency. TV0 is on transponder 0; TV1, TV2 and R0 on 3.
class Update : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildTables(m_db, {2, {0, 0, 1, 0, 0}, {0, 3, 3}, {3}});
        const std::tuple<std::uint32_t, std::uint16_t, std::uint8_t> values[] = {{11000000, 27500, 1},
                                                                                 {11020000, 22000, 0},
                                                                                 {11000000, 27500, 1},
                                                                                 {12000000, 27500, 2},
                                                                                 {11500000, 22000, 0}};
        for (int i = 0; i < 5; ++i) {
            TransponderRecord record = Transponder(i);
            std::tie(record.frequency, record.symbolRate, record.polarization) = values[i];
            m_db.SetTransponder(record, i);
        }
    }

    TransponderRecord Transponder(int index) const
    {
        TransponderRecord record;
        m_db.GetTransponder(record, index);
        return record;
    }

    CChannelDatabase m_db;
};

}  // namespace

TEST_F(Update, OursMatchesTheNearestOfItsPolarizationWithin2MhzOnce)
{
    const Plan plan = MakePlan(m_db, 0, kSource, {});
    using Made = std::tuple<Outcome, int, int, std::uint32_t, int, int, bool>;
    const std::vector<Made> expected{{Outcome::Added, -1, 0, 10998000, 27500, 1, true},
                                     {Outcome::Added, -1, 7, 11000000, 27500, 0, true},
                                     {Outcome::Updated, 0, 1, 11001500, 27500, 1, true},
                                     {Outcome::Added, -1, 3, 11020000, 22000, 1, true},
                                     {Outcome::Updated, 1, 2, 11022000, 22000, 0, true},
                                     {Outcome::Skipped, -1, 4, 11040000, 22000, 0, false},
                                     {Outcome::Unchanged, 4, 6, 11500000, 22000, 0, false},
                                     {Outcome::NotInList, 3, -1, 12000000, 27500, 2, false},
                                     {Outcome::Added, -1, 5, 12002001, 27500, 1, true}};
    std::vector<Made> made;
    for (const Row& row : plan.rows)
        made.emplace_back(row.outcome, row.ours, row.source, row.after.frequency, row.after.symbolRate,
                          row.after.polarization, row.chosen);
    EXPECT_EQ(made, expected);
}

TEST_F(Update, ApplyingUpdatesAddsAndDeletesOnlyWhatIsChosen)
{
    // Kept: the transponder the list lacks stays with its channels.
    CChannelDatabase kept;
    kept.CopyTablesFrom(m_db);
    ASSERT_FALSE(Apply(kept, MakePlan(kept, 0, kSource, {})));
    EXPECT_EQ(kept.GetTransponderCount(), 9);
    EXPECT_EQ(kept.GetChannelCount(kTv), 3);

    // Removed: deleted with its channels, which the summary names.
    const Plan plan = MakePlan(m_db, 0, kSource, {.removeMissing = true, .includeS2 = true});
    const Summary summary = Summarize(plan);
    EXPECT_EQ(std::vector<int>({summary.added, summary.updated, summary.unchanged, summary.notInList,
                                summary.removed, summary.skipped}),
              std::vector<int>({5, 2, 1, 1, 1, 0}));
    ASSERT_EQ(summary.removedChannels.size(), 3u);
    EXPECT_EQ(summary.removedChannels[2].kind, kRadio);
    EXPECT_EQ(summary.removedChannels[2].name, "R0");
    ASSERT_FALSE(Apply(m_db, plan));

    EXPECT_EQ(m_db.GetTransponderCount(), 9);
    EXPECT_EQ(ChannelNames(m_db, kTv), std::vector<std::string>{"TV0"});
    EXPECT_EQ(TransponderIndexes(m_db, kTv), std::vector<int>{0});
    EXPECT_EQ(m_db.GetChannelCount(kRadio), 0);
    EXPECT_EQ(Transponder(0).frequency, 11001500u);
    EXPECT_EQ(Transponder(1).frequency, 11022000u);
    EXPECT_EQ(Transponder(3).frequency, 11500000u);  // unchanged, and moved down a slot
    std::vector<std::uint32_t> added;
    for (int i = 4; i < 9; ++i)
        added.push_back(Transponder(i).frequency);
    EXPECT_EQ(added, std::vector<std::uint32_t>({10998000, 11000000, 11020000, 11040000, 12002001}));
    EXPECT_EQ(m_db.GetTransponderCountOf(0), 8);
    EXPECT_TRUE(ImageCheck::CheckStructure(m_db).empty());
}

TEST_F(Update, AdditionsBeyondTheTableRefuseTheWholeUpdate)
{
    TransponderRecord other = Transponder(2);
    for (int i = 5; i < Image::kMaxTransponders - 3; ++i)
        m_db.AddTransponder(1, other);
    const std::vector<std::uint8_t> before = ImageBytes(m_db);
    const Plan plan = MakePlan(m_db, 0, kSource, {});
    const std::optional<PlaceholderText> refusal = Apply(m_db, plan);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(Fill(*refusal),
              "4 transponders to add, but the transponder table has room for 3: nothing was changed");
    EXPECT_EQ(ImageBytes(m_db), before);

    // The deletion of the one the list lacks makes room for the last.
    EXPECT_FALSE(Apply(m_db, MakePlan(m_db, 0, kSource, {.removeMissing = true})));
    EXPECT_EQ(m_db.GetTransponderCount(), Image::kMaxTransponders);
}

TEST_F(Update, ANewSatelliteTakesTheSourcesNameAndPosition)
{
    EXPECT_EQ(SatelliteAtPosition(m_db, kSource), -1);
    const Plan plan = MakePlan(m_db, kNewSatellite, kSource, {});
    EXPECT_EQ(Summarize(plan).added, 7);
    ASSERT_FALSE(Apply(m_db, plan));
    SatelliteRecord created;
    m_db.GetSatellite(created, 2);
    EXPECT_STREQ(created.name, "Astra 1KR 19.2E");
    EXPECT_EQ(created.createdMark, 100);
    EXPECT_EQ(m_db.GetTransponderCountOf(2), 7);
    EXPECT_EQ(SatelliteAtPosition(m_db, kSource), 2);

    EXPECT_EQ(NewSatelliteName({"ASTRA 19.2E", 192, {}}), "ASTRA 19.2E");
    EXPECT_EQ(NewSatelliteName({"Thor 5/6/7 (0.8W)", -8, {}}), "Thor 5/6/7 0.8W");
    EXPECT_EQ(NewSatelliteName({"T\xC3\xBCrksat 3A/4A \xE2\x80\x94 Kazakhstan", 420, {}}),
              "T\xFCrksat 3 42.0E");
    EXPECT_EQ(NewSatelliteName({"", 100, {}}), "10.0E");
}

TEST(TransponderExport, OurExportReadsBackAsTheSameTransponders)
{
    std::mt19937 rng(23);
    CChannelDatabase db;
    for (int round = 0; round < 20; ++round) {
        FillRandomDatabase(db, rng, RandomTableSizes(rng));
        const int satellites = db.GetSatelliteCount();
        for (int s = 0; s < satellites; ++s) {
            SatelliteRecord satellite;
            db.GetSatellite(satellite, s);
            const int tenths = std::uniform_int_distribution<int>(-1800, 1800)(rng);
            if (s % 5 != 4)
                std::snprintf(satellite.name, sizeof satellite.name, "S%d %s", s,
                              TransponderList::PositionText(tenths).c_str());
            db.SetSatellite(satellite, s);
        }
        std::vector<std::string> leftOut;
        const std::vector<TransponderList::Satellite> exported = ExportSatellites(db, leftOut);
        ASSERT_EQ(exported.size() + leftOut.size(), std::size_t(satellites));

        std::vector<TransponderList::Satellite> read;
        ASSERT_FALSE(TransponderList::ReadSatellitesXml(TransponderList::WriteSatellitesXml(exported), read));
        ASSERT_EQ(read, exported);
        for (std::size_t i = 0; i < read.size(); ++i) {
            const int ours = int(i + i / 4);  // every fifth satellite is left out
            for (const Row& row : MakePlan(db, ours, read[i], {}).rows) {
                const Outcome expected = row.before.symbolRate == 0 ? Outcome::Skipped : Outcome::Unchanged;
                ASSERT_EQ(row.outcome, expected) << round << " " << ours;
            }
        }
    }
}
