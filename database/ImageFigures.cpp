// The figures the upkeep derives from the tables, compared with a settled
// upkeep run on a copy of the image.
#include "ChannelDatabase.h"
#include "ImageCheckDetail.h"
#include "ListTexts.h"
#include "RecordFields.h"

#include <cstddef>
#include <cstring>
#include <span>

namespace ImageCheck::Detail {

namespace {

constexpr RecordField kSatelliteFields[] = {
    {offsetof(SatelliteRecord, tvPosition), 2, "tvPosition", true},
    {offsetof(SatelliteRecord, radioPosition), 2, "radioPosition", true},
    {offsetof(SatelliteRecord, tvCount), 2, "tvCount", true},
    {offsetof(SatelliteRecord, radioCount), 2, "radioCount", true},
};

unsigned Value(const void* record, const RecordField& field)
{
    std::uint8_t bytes[4] = {};
    std::memcpy(bytes, static_cast<const std::uint8_t*>(record) + field.offset, field.size);
    return unsigned(bytes[0]) | unsigned(bytes[1]) << 8 | unsigned(bytes[2]) << 16 | unsigned(bytes[3]) << 24;
}

template <class Record>
void CompareFields(const Record& actual, const Record& settled, std::span<const RecordField> fields,
                   const PlaceholderText& record, std::vector<Finding>& findings)
{
    // Only what the upkeep writes can differ from what it would write.
    for (const RecordField& field : fields) {
        if (!field.upkept)
            continue;
        const unsigned is = Value(&actual, field), should = Value(&settled, field);
        if (is != should)
            findings.push_back(
                {record, {Text::kFigureDiffers, {field.name, std::to_string(is), std::to_string(should)}}});
    }
}

std::string Pair(const std::uint8_t* pair)
{
    std::uint16_t tv, radio;
    std::memcpy(&tv, pair, 2);
    std::memcpy(&radio, pair + 2, 2);
    // Appended rather than prefixed: gcc 12 at -O3 misreads a literal added
    // in front of a temporary string as an overlapping copy.
    std::string text = "(";
    text += std::to_string(tv);
    text += ", ";
    text += std::to_string(radio);
    text += ")";
    return text;
}

}  // namespace

void AddFigureFindings(const CChannelDatabase& db, std::vector<Finding>& findings)
{
    // Kept from one check to the next: a database holds megabytes of buffers.
    thread_local CChannelDatabase settled;
    settled.CopyTablesFrom(db);
    settled.SettleListContext();

    SystemInfo is, should;
    db.GetSystemInfo(is);
    settled.GetSystemInfo(should);
    CompareFields(is, should, kSystemInfoFields, {Text::kSystemBlock, {}}, findings);
    for (int g = 0; g < Image::kGroupCount; ++g) {
        FavoriteGroupRecord actual, computed;
        db.GetGroup(actual, g);
        settled.GetGroup(computed, g);
        CompareFields(actual, computed, kGroupFields, Record(Text::kGroupRecord, g), findings);
    }
    const std::uint8_t* pairs = db.GetSystemBlock() + Image::kPositionPairsOffset;
    const std::uint8_t* settledPairs = settled.GetSystemBlock() + Image::kPositionPairsOffset;
    for (int sat = 0; sat < Image::kMaxSatellites; ++sat) {
        const std::size_t at = 4 * std::size_t(sat);
        if (std::memcmp(pairs + at, settledPairs + at, 4) != 0) {
            findings.push_back({{Text::kSystemBlock, {}},
                                {Text::kPositionPairDiffers,
                                 {std::to_string(sat), Pair(pairs + at), Pair(settledPairs + at)}}});
        }
    }
    for (int sat = 0; sat < db.GetSatelliteCount(); ++sat) {
        SatelliteRecord actual, computed;
        db.GetSatellite(actual, sat);
        settled.GetSatellite(computed, sat);
        CompareFields(actual, computed, kSatelliteFields, Record(Text::kSatelliteRecord, sat), findings);
    }
}

}  // namespace ImageCheck::Detail
