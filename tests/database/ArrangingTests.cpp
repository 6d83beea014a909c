// Sorting a range of channels, setting flags on many at once and searching,
// on random valid databases.
#include "CellText.h"
#include "ChannelViews.h"
#include "ChannelSearch.h"
#include "ImageCheck.h"
#include "EntryLists.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <tuple>

namespace {

int Below(std::mt19937& rng, int n)
{
    return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}

// Fills the database with a random valid image; returns a random kind.
ChannelKind FillRandomly(CChannelDatabase& db, std::mt19937& rng)
{
    FillRandomDatabase(db, rng, RandomTableSizes(rng));
    return ChannelKind(Below(rng, 2));
}

std::uint32_t TailOf(const ChannelRecord& channel)
{
    std::uint32_t tail;
    std::memcpy(&tail, channel.tail, sizeof tail);
    return tail;
}

// Names from a tiny alphabet of both cases, so that equal keys are common
// and case matters; each slot's trailing bytes carry the slot it started in.
void MarkChannels(CChannelDatabase& db, std::mt19937& rng, ChannelKind kind)
{
    for (int i = 0; i < db.GetChannelCount(kind); ++i) {
        ChannelRecord channel;
        db.GetChannel(channel, i, kind);
        if (Below(rng, 2) == 0) {
            std::memset(channel.name, 0, sizeof channel.name);
            for (int c = Below(rng, 3); c > 0; --c)
                channel.name[c - 1] = "aAbB"[Below(rng, 4)];
        }
        const std::uint32_t slot = std::uint32_t(i);
        std::memcpy(channel.tail, &slot, sizeof slot);
        db.SetChannel(channel, i, kind);
    }
}

// A key as its description reads: satellite, frequency, H after V, the
// scramble bit, and the name's bytes with a-z as A-Z.
using Key = std::tuple<int, std::uint32_t, bool, std::basic_string<unsigned char>>;

Key KeyOf(const CChannelDatabase& db, const ChannelRecord& channel, ChannelSortKey key)
{
    TransponderRecord transponder;
    db.GetTransponder(transponder, channel.transponderIndex);
    switch (key) {
    case ChannelSortKey::Name: {
        std::basic_string<unsigned char> name;
        for (std::size_t i = 0; i < sizeof channel.name && channel.name[i]; ++i) {
            const unsigned char c = static_cast<unsigned char>(channel.name[i]);
            name += c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
        }
        return {0, 0, false, name};
    }
    case ChannelSortKey::Frequency: return {0, transponder.frequency, transponder.polarization != 0, {}};
    case ChannelSortKey::Satellite:
        return {transponder.satelliteIndex, transponder.frequency, transponder.polarization != 0, {}};
    case ChannelSortKey::FreeToAir: return {(channel.flags & ChannelFlag::kScrambled) ? 1 : 0, 0, false, {}};
    }
    return {};
}

// The slots a sort is given: a whole table, a satellite's or a transponder's
// channels as the form narrows them, or rows a search might leave (in any
// order, with repeats and slots past the end).
std::vector<int> RandomRange(CChannelDatabase& db, std::mt19937& rng, ChannelKind kind,
                             std::string& described)
{
    const int count = db.GetChannelCount(kind);
    CChannelViews views(db);
    switch (Below(rng, 4)) {
    case 0:
        described = "all";
        views.ShowAllChannels(kind);
        break;
    case 1: {
        const int sat = Below(rng, db.GetSatelliteCount());
        described = "satellite " + std::to_string(sat);
        views.ShowChannelsOfSatellite(sat, kind);
        break;
    }
    case 2: {
        const int tp = Below(rng, db.GetTransponderCount());
        described = "transponder " + std::to_string(tp);
        views.ShowChannelsOfTransponder(tp, kind);
        break;
    }
    default: {
        described = "search";
        std::vector<int> slots;
        for (int i = 0; i < count; ++i) {
            if (Below(rng, 3) == 0)
                slots.push_back(i);
        }
        slots.push_back(count + Below(rng, 5));
        if (!slots.empty() && count > 0)
            slots.push_back(slots.front());
        std::shuffle(slots.begin(), slots.end(), rng);
        return slots;
    }
    }
    return views.GetChannelViewSlots(kind);
}

std::size_t SlotOffset(int slot, ChannelKind kind)
{
    return (kind == kRadio ? Image::kRadioOffset : Image::kTvOffset) +
           std::size_t(slot) * sizeof(ChannelRecord);
}

std::size_t BouquetOffset(int slot, ChannelKind kind)
{
    return Image::kBouquetOffset + (kind == kRadio ? Image::kRadioBouquetStart : 0) +
           std::size_t(slot) * sizeof(BouquetEntry);
}

}  // namespace

TEST(SortChannels, IsAStablePermutationOfTheRangeAndLeavesEveryOtherByte)
{
    for (int seed = 0; seed < 120; ++seed) {
        std::mt19937 rng{std::uint32_t(seed)};
        CChannelDatabase db;
        const ChannelKind kind = FillRandomly(db, rng);
        MarkChannels(db, rng, kind);
        std::string range;
        const std::vector<int> slots = RandomRange(db, rng, kind, range);
        const auto key = ChannelSortKey(Below(rng, 4));
        const bool descending = Below(rng, 2) == 1;
        const std::string context = "seed " + std::to_string(seed) + ", " + range + ", key " +
                                    std::to_string(int(key)) + (descending ? ", descending" : "");

        const std::vector<std::uint8_t> before = ImageBytes(db);
        db.SortChannels(slots, key, descending, kind);
        const std::vector<std::uint8_t> after = ImageBytes(db);
        ASSERT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{}) << context;

        std::vector<int> places;
        std::copy_if(slots.begin(), slots.end(), std::back_inserter(places),
                     [&](int s) { return s < db.GetChannelCount(kind); });
        std::sort(places.begin(), places.end());
        places.erase(std::unique(places.begin(), places.end()), places.end());

        // Each slot of the range holds, with its bouquet entry, the bytes of a
        // slot of the range before; each such slot once.
        std::vector<std::uint8_t> restored = after;
        std::vector<std::uint32_t> origins;
        for (int place : places) {
            ChannelRecord channel;
            db.GetChannel(channel, place, kind);
            const std::uint32_t origin = TailOf(channel);
            origins.push_back(origin);
            ASSERT_TRUE(std::binary_search(places.begin(), places.end(), int(origin))) << context;
            EXPECT_TRUE(std::equal(after.begin() + std::ptrdiff_t(SlotOffset(place, kind)),
                                   after.begin() + std::ptrdiff_t(SlotOffset(place + 1, kind)),
                                   before.begin() + std::ptrdiff_t(SlotOffset(int(origin), kind))))
                << context;
            EXPECT_TRUE(std::equal(after.begin() + std::ptrdiff_t(BouquetOffset(place, kind)),
                                   after.begin() + std::ptrdiff_t(BouquetOffset(place + 1, kind)),
                                   before.begin() + std::ptrdiff_t(BouquetOffset(int(origin), kind))))
                << context;
            std::copy_n(before.begin() + std::ptrdiff_t(SlotOffset(place, kind)), sizeof(ChannelRecord),
                        restored.begin() + std::ptrdiff_t(SlotOffset(place, kind)));
            std::copy_n(before.begin() + std::ptrdiff_t(BouquetOffset(place, kind)), sizeof(BouquetEntry),
                        restored.begin() + std::ptrdiff_t(BouquetOffset(place, kind)));
        }
        std::vector<std::uint32_t> sortedOrigins = origins;
        std::sort(sortedOrigins.begin(), sortedOrigins.end());
        EXPECT_TRUE(std::adjacent_find(sortedOrigins.begin(), sortedOrigins.end()) == sortedOrigins.end())
            << context;
        EXPECT_TRUE(restored == before) << context << ": a byte outside the range changed";

        for (std::size_t k = 0; k + 1 < places.size(); ++k) {
            ChannelRecord first, second;
            db.GetChannel(first, places[k], kind);
            db.GetChannel(second, places[k + 1], kind);
            const Key a = KeyOf(db, first, key), b = KeyOf(db, second, key);
            if (a == b)
                EXPECT_LT(origins[k], origins[k + 1]) << context << ": equal keys swapped at " << places[k];
            else
                EXPECT_EQ(descending, b < a) << context << ": out of order at " << places[k];
        }
    }
}

TEST(SetChannelFlags, ChangesOnlyTheNamedFlagsOfTheListedChannels)
{
    for (int seed = 0; seed < 120; ++seed) {
        std::mt19937 rng{std::uint32_t(seed)};
        CChannelDatabase db;
        const ChannelKind kind = FillRandomly(db, rng);
        const int count = db.GetChannelCount(kind);
        std::vector<int> listed;
        for (int i = 0; i < count; ++i) {
            if (Below(rng, 2) == 0)
                listed.push_back(i);
        }
        ChannelFlagChanges changes;
        if (Below(rng, 2) == 0)
            changes.lock = Below(rng, 2) == 1;
        if (Below(rng, 2) == 0)
            changes.skip = Below(rng, 2) == 1;
        if (Below(rng, 2) == 0)
            changes.audio = Below(rng, 3);
        if (Below(rng, 2) == 0) {
            changes.joinGroups = std::uint8_t(rng());
            changes.leaveGroups = std::uint8_t(rng() & ~changes.joinGroups);
        }
        const std::string context = "seed " + std::to_string(seed);

        CChannelDatabase original;
        std::memcpy(original.GetRawImage(), ImageBytes(db).data(), Image::kLargeSize);
        original.ImageToTables(2);
        db.SetChannelFlags(listed, changes, kind);
        ASSERT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{}) << context;

        for (int i = 0; i < count; ++i) {
            ChannelRecord was, now;
            original.GetChannel(was, i, kind);
            db.GetChannel(now, i, kind);
            if (!std::binary_search(listed.begin(), listed.end(), i)) {
                EXPECT_EQ(std::memcmp(&was, &now, sizeof was), 0) << context << ": unlisted slot " << i;
                continue;
            }
            ChannelRecord rest = now;
            rest.flags = was.flags;
            rest.favoriteMask = was.favoriteMask;
            EXPECT_EQ(std::memcmp(&was, &rest, sizeof was), 0) << context << ": slot " << i;
            const auto bit = [](const ChannelRecord& c, std::uint8_t b) { return (c.flags & b) != 0; };
            EXPECT_EQ(bit(now, ChannelFlag::kLocked), changes.lock.value_or(bit(was, ChannelFlag::kLocked)));
            EXPECT_EQ(bit(now, ChannelFlag::kSkipped),
                      changes.skip.value_or(bit(was, ChannelFlag::kSkipped)));
            if (changes.audio)
                EXPECT_EQ(Cells::AudioText(now), Entries::kAudio[std::size_t(*changes.audio)]) << context;
            else
                EXPECT_EQ(now.flags & ChannelFlag::kAudioBits, was.flags & ChannelFlag::kAudioBits);
            EXPECT_EQ(now.flags & 0x19, was.flags & 0x19) << context << ": a bit no choice owns";
            for (int g = 0; g < Image::kGroupCount; ++g) {
                const bool member = (now.favoriteMask & GroupBit(g)) != 0;
                if (changes.joinGroups & GroupBit(g))
                    EXPECT_TRUE(member) << context;
                else if (changes.leaveGroups & GroupBit(g))
                    EXPECT_FALSE(member) << context;
                else
                    EXPECT_EQ(member, (was.favoriteMask & GroupBit(g)) != 0) << context;
            }
        }

        // Membership is recounted as after Favorite Group Edit; other flags
        // leave every derived figure alone.
        ChannelRecord channel;
        for (int i = 0; i < count; ++i) {
            db.GetChannel(channel, i, kind);
            original.SetChannel(channel, i, kind);
        }
        if (changes.ChangesGroups()) {
            original.RecountGroups();
            original.UpdateListContext();
        }
        EXPECT_TRUE(ImageBytes(db) == ImageBytes(original)) << context;
    }
}

TEST(ChannelSearch, FindsTheTextInTheNameBouquetOrShownPidsIgnoringCase)
{
    for (int seed = 0; seed < 100; ++seed) {
        std::mt19937 rng{std::uint32_t(seed)};
        CChannelDatabase db;
        const ChannelKind kind = FillRandomly(db, rng);
        CChannelViews views(db);
        views.ShowAllChannels(kind);
        const std::vector<int> slots = views.GetChannelViewSlots(kind);
        if (slots.empty())
            continue;

        // A piece of a cell of some row, in either case, or a short random text.
        const std::vector<std::string> cells = Cells::ChannelRow(db, 0, Below(rng, int(slots.size())), kind);
        std::string text = cells[std::size_t(Below(rng, int(cells.size())))];
        const int from = Below(rng, int(text.size()));
        text = text.substr(std::size_t(from), std::size_t(1 + Below(rng, 3)));
        if (Below(rng, 3) == 0)
            text = std::string(1, char('0' + Below(rng, 10))) + char('a' + Below(rng, 26));
        for (char& c : text)
            c = Below(rng, 2) ? char(std::tolower(static_cast<unsigned char>(c))) : c;
        std::string upper = text;
        for (char& c : upper)
            c = char(std::toupper(static_cast<unsigned char>(c)));

        // The searched columns: name, bouquet and the PIDs; not the row
        // number, scramble, favourite, audio, lock or skip texts.
        std::vector<int> expected;
        for (std::size_t row = 0; row < slots.size(); ++row) {
            std::vector<std::string> shown = Cells::ChannelRow(db, int(row), slots[row], kind);
            const std::size_t pids = kind == kTv ? 3 : 2;
            std::vector<std::string> searched{shown[1], shown[3]};
            searched.insert(searched.end(), shown.end() - 2 - std::ptrdiff_t(pids), shown.end() - 2);
            const bool found = std::any_of(searched.begin(), searched.end(), [&](std::string cell) {
                for (char& c : cell)
                    c = char(std::toupper(static_cast<unsigned char>(c)));
                return cell.find(upper) != std::string::npos;
            });
            if (found)
                expected.push_back(int(row));
        }
        EXPECT_EQ(ChannelSearch(text).MatchingRows(db, slots, kind), expected)
            << "seed " << seed << " text '" << text << "'";
    }
    CChannelDatabase db;
    std::mt19937 rng{1};
    FillRandomDatabase(db, rng, {1, 1, 3, 0});
    const std::vector<int> all{0, 1, 2};
    EXPECT_EQ(ChannelSearch("").MatchingRows(db, all, kTv), all);
}
