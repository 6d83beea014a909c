// Loads a known image with a few bytes patched, as File > Open does, and
// applies a sequence of the editor's operations to it. Memory errors are
// found by the sanitizers; when the loaded image is valid, it must still be
// valid after the operations. It is checked once, at the end: a check after
// every operation would take most of the time.
//
// Input: the patches (ImagePatch.h), then the operation script.
#include "CellText.h"
#include "ChannelViews.h"
#include "FuzzScript.h"
#include "ImageCheck.h"
#include "ImageDocument.h"
#include "ImagePatch.h"
#include "RecordRules.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::uint64_t InputHash(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    return hash ^ size;
}

void CheckInvariants(const CChannelDatabase& db, const char* after)
{
    const ImageCheck::Findings findings = ImageCheck::CheckStructure(db);
    if (findings.empty())
        return;
    std::fprintf(stderr, "invariant broken by operations up to %s: %s\n", after, findings.front().c_str());
    std::abort();
}

std::vector<int> List(FuzzScript& script, int count)
{
    std::vector<int> list(std::size_t(1 + script.Byte() % 6));
    for (int& index : list)
        index = script.Below(count + 2);
    return list;
}

std::vector<int> AscendingUnique(std::vector<int> list, int count)
{
    std::erase_if(list, [count](int i) { return i >= count; });
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

std::string Text(FuzzScript& script, std::size_t maxLength)
{
    std::string text(script.Byte() % (maxLength + 1), ' ');
    for (char& c : text)
        c = char(script.Byte() | 1);
    return text;
}

// The additions, with the checks the Add commands and dialogs make first.
void Add(CChannelDatabase& db, FuzzScript& script, int what)
{
    if (what == 0 && !Rules::SatelliteAddRefusal(db)) {
        const int n = db.GetSatelliteCount();
        Rules::SatelliteChoices choices = Rules::SatelliteAddDefaults(n);
        choices.lnb = script.Below(12) - 1;
        SatelliteRecord record{};
        Rules::WriteAddedSatellite(record, choices, n);
        db.AddSatellite(record);
    } else if (what == 1 && !Rules::TransponderAddRefusal(db) && db.GetSatelliteCount() > 0) {
        const int sat = script.Below(db.GetSatelliteCount());
        TransponderRecord record = Rules::NewTransponderFor(sat);
        const Rules::TransponderChoices choices{script.Word(), script.Word(), script.Byte() % 2};
        if (!Rules::WriteTransponder(record, choices))
            db.AddTransponder(sat, record);
    } else if (what == 2 && db.GetTransponderCount() > 0) {
        const ChannelKind kind = ChannelKind(script.Byte() % 2);
        if (Rules::ChannelAddRefusal(db, kind))
            return;
        Rules::ChannelChoices choices;
        choices.name = Text(script, 12);
        choices.bouquet = Text(script, 19);
        choices.videoPid = script.Word();
        choices.audioPid = script.Word();
        choices.pcrPid = script.Word();
        choices.scramble = script.Below(38) - 1;
        choices.audio = script.Below(4) - 1;
        if (!Rules::HasRequiredChannelValues(choices, kind))
            return;
        const int tp = script.Below(db.GetTransponderCount());
        ChannelRecord record{};
        BouquetEntry bouquet{};
        Rules::WriteAddedChannel(record, bouquet, choices, std::uint16_t(tp), kind);
        db.AddChannel(record, bouquet.text, kind);
    }
}

// What the form reads to fill its lists.
void ReadViews(CChannelDatabase& db, FuzzScript& script)
{
    const ChannelKind kind = ChannelKind(script.Byte() % 2);
    CChannelViews views(db);
    views.ShowChannelsOfSatellite(script.Below(db.GetSatelliteCount() + 2), kind);
    for (int r = 0; r < views.GetChannelViewLength(kind); ++r)
        Cells::ChannelRow(db, r, views.GetChannelViewEntry(r, kind), kind);
    views.ShowTranspondersOf(script.Below(db.GetSatelliteCount() + 2));
    for (int r = 0; views.GetTransponderViewEntry(r) != -1; ++r) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, views.GetTransponderViewEntry(r));
        Cells::TransponderText(transponder);
    }
}

// Favorite Group Edit: memberships and names, then the recount.
void EditGroups(CChannelDatabase& db, FuzzScript& script)
{
    const ChannelKind kind = ChannelKind(script.Byte() % 2);
    const int count = db.GetChannelCount(kind);
    for (int n = script.Byte() % 8; n > 0 && count > 0; --n) {
        ChannelRecord channel;
        const int slot = script.Below(count);
        db.GetChannel(channel, slot, kind);
        channel.favoriteMask = script.Byte();
        db.SetChannel(channel, slot, kind);
    }
    FavoriteGroupRecord group{};
    const std::string name = Text(script, 7);
    std::copy(name.begin(), name.end(), group.name);
    db.SetGroup(group, script.Byte() % 8);
    db.RecountGroups();
    db.UpdateListContext();
}

void RunScript(CChannelDatabase& db, FuzzScript& script, bool valid, int steps)
{
    const char* last = nullptr;
    for (int step = 0; step < steps && !script.AtEnd(); ++step) {
        const ChannelKind kind = ChannelKind(script.Byte() % 2);
        const int channels = db.GetChannelCount(kind);
        const char* operation = nullptr;
        switch (script.Byte() % 11) {
        case 0: {
            const int satellites = db.GetSatelliteCount();
            db.DeleteSatellites(AscendingUnique(List(script, satellites), satellites));
            operation = "DeleteSatellites";
            break;
        }
        case 1: {
            const int transponders = db.GetTransponderCount();
            db.DeleteTransponders(AscendingUnique(List(script, transponders), transponders));
            operation = "DeleteTransponders";
            break;
        }
        case 2:
            db.DeleteChannels(List(script, channels), kind);
            operation = "DeleteChannels";
            break;
        case 3: {
            const std::vector<int> block = List(script, channels);
            db.MoveChannels(block, script.Below(channels + 2) - 1, kind);
            operation = "MoveChannels";
            break;
        }
        case 4: {
            const int a = script.Below(channels);
            db.SwapChannels(a, script.Below(channels), kind);
            operation = "SwapChannels";
            break;
        }
        case 5:
        case 6:
        case 7:
            Add(db, script, script.Byte() % 3);
            operation = "an addition";
            break;
        case 8:
            db.UpdateListContext();
            operation = "UpdateListContext";
            break;
        case 9:
            EditGroups(db, script);
            operation = "the group edit";
            break;
        default: ReadViews(db, script); break;
        }
        last = operation ? operation : last;
    }
    if (valid && last)
        CheckInvariants(db, last);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CImageDocument document;
    static std::vector<std::uint8_t> image;
    const ImagePatch::Applied applied = ImagePatch::Apply(data, size, image);
    if (document.LoadBytes(image.data(), image.size(), "fuzz") != CImageDocument::Load::Loaded)
        return 0;
    const bool valid = !applied.patched || ImageCheck::CheckStructure(document.m_database).empty();
    FuzzScript script(data + applied.scriptStart, size - applied.scriptStart, InputHash(data, size));
    // Every operation on full tables takes long; a few reach their limits.
    RunScript(document.m_database, script, valid, applied.full ? 3 : 12);
    return 0;
}
