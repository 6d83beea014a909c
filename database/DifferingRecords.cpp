#include "DifferingRecords.h"

#include "ImageFormat.h"
#include "Latin1Text.h"
#include "RecordFields.h"

#include <cstring>
#include <span>
#include <string_view>

namespace {

struct Table {
    ImageArea area;
    std::size_t offset;  // in the large layout
    std::size_t recordSize;
    int count;  // 1 for a region without records
};

constexpr std::size_t kChannelSlot = sizeof(ChannelRecord);
constexpr std::size_t kTvSlots = kChannelSlot * Image::kMaxTvChannels;
constexpr std::size_t kRadioSlots = kChannelSlot * Image::kMaxRadioChannels;
constexpr std::size_t kBouquetEntries =
    Image::kBouquetEntrySize * (Image::kMaxTvChannels + Image::kMaxRadioChannels);
constexpr std::size_t kSatelliteSlots = sizeof(SatelliteRecord) * Image::kSatelliteSlots;

constexpr Table kTables[] = {
    {ImageArea::LeadingRegion, Image::kLeadingOffset, Image::kLeadingSize, 1},
    {ImageArea::TvBouquet, Image::kBouquetOffset, Image::kBouquetEntrySize, Image::kMaxTvChannels},
    {ImageArea::RadioBouquet, Image::kBouquetOffset + Image::kRadioBouquetStart, Image::kBouquetEntrySize,
     Image::kMaxRadioChannels},
    {ImageArea::BouquetTail, Image::kBouquetOffset + kBouquetEntries, Image::kBouquetSize - kBouquetEntries,
     1},
    {ImageArea::GapRegion, Image::kGapOffset, Image::kGapSize, 1},
    {ImageArea::Tv, Image::kTvOffset, kChannelSlot, Image::kMaxTvChannels},
    {ImageArea::TvTail, Image::kTvOffset + kTvSlots, Image::kTvSize - kTvSlots, 1},
    {ImageArea::Radio, Image::kRadioOffset, kChannelSlot, Image::kMaxRadioChannels},
    {ImageArea::RadioTail, Image::kRadioOffset + kRadioSlots, Image::kRadioSize - kRadioSlots, 1},
    {ImageArea::Transponder, Image::kTransponderOffset, sizeof(TransponderRecord), Image::kTransponderSlots},
    {ImageArea::Satellite, Image::kSatelliteOffset, sizeof(SatelliteRecord), Image::kSatelliteSlots},
    {ImageArea::SatelliteTail, Image::kSatelliteOffset + kSatelliteSlots,
     Image::kSatelliteSize - kSatelliteSlots, 1},
};

consteval bool TablesTileTheImage()
{
    std::size_t at = 0;
    for (const Table& table : kTables) {
        if (table.offset != at)
            return false;
        at += table.recordSize * std::size_t(table.count);
    }
    return at == Image::kSystemOffset;
}
static_assert(TablesTileTheImage(), "every byte before the system block belongs to one table or region");

struct Field {
    std::size_t offset;
    std::size_t size;
    std::string name;  // empty: bytes that another record names
};

// Every SystemInfo field, the position pairs, and the group table, whose
// records are compared on their own.
std::vector<Field> MakeSystemBlockFields()
{
    std::vector<Field> fields;
    for (const RecordField& field : kSystemInfoFields)
        fields.push_back({field.offset, field.size, field.name});
    fields.push_back({Image::kGroupTableOffset, Image::kGroupCount * sizeof(FavoriteGroupRecord), ""});
    for (int sat = 0; sat < Image::kMaxSatellites; ++sat)
        fields.push_back({Image::kPositionPairsOffset + 4 * std::size_t(sat), 4,
                          "position pair of satellite " + std::to_string(sat)});
    return fields;
}

const std::vector<Field>& SystemBlockFields()
{
    static const std::vector<Field> fields = MakeSystemBlockFields();
    return fields;
}

const std::vector<Field>& GroupFields()
{
    static const std::vector<Field> fields = [] {
        std::vector<Field> named;
        for (const RecordField& field : kGroupFields)
            named.push_back({field.offset, field.size, field.name});
        return named;
    }();
    return fields;
}

const Field* FieldAt(std::span<const Field> fields, std::size_t at)
{
    for (const Field& field : fields) {
        if (at >= field.offset && at < field.offset + field.size)
            return &field;
    }
    return nullptr;
}

// Adds the differing fields and bytes of one record to `difference`; false
// when the record's bytes are the same, or differ only where another record
// names them.
bool CompareRecord(const std::uint8_t* expected, const std::uint8_t* actual, std::size_t size,
                   std::span<const Field> fields, RecordDifference& difference)
{
    if (std::memcmp(expected, actual, size) == 0)
        return false;
    for (std::size_t at = 0; at < size; ++at) {
        if (expected[at] == actual[at])
            continue;
        const Field* field = FieldAt(fields, at);
        if (field == nullptr) {
            if (!difference.bytes)
                difference.bytes = ByteRange{at, at};
            difference.bytes->last = at;
        } else if (!field->name.empty() &&
                   (difference.fields.empty() || difference.fields.back() != field->name)) {
            // A field's bytes lie together, so its name comes only once.
            difference.fields.push_back(field->name);
        }
    }
    return !difference.fields.empty() || difference.bytes.has_value();
}

template <std::size_t N> std::string NameText(const char (&field)[N])
{
    return Latin1::ToUtf8(std::string_view(field, FieldTextLength(field)));
}

template <class Record> Record RecordAt(const std::uint8_t* bytes)
{
    Record record;
    std::memcpy(&record, bytes, sizeof record);
    return record;
}

// `image` is in the layout whose offsets lie `shift` below the large one's.
std::string NameOf(const std::uint8_t* image, std::size_t shift, ImageArea area, int index)
{
    const std::size_t channel = std::size_t(index) * kChannelSlot;
    switch (area) {
    case ImageArea::Tv:
    case ImageArea::TvBouquet:
        return NameText(RecordAt<ChannelRecord>(image + Image::kTvOffset - shift + channel).name);
    case ImageArea::Radio:
    case ImageArea::RadioBouquet:
        return NameText(RecordAt<ChannelRecord>(image + Image::kRadioOffset - shift + channel).name);
    case ImageArea::Satellite: {
        const std::size_t at = Image::kSatelliteOffset - shift + std::size_t(index) * sizeof(SatelliteRecord);
        return NameText(RecordAt<SatelliteRecord>(image + at).name);
    }
    default: return {};
    }
}

const char* AreaWord(ImageArea area)
{
    switch (area) {
    case ImageArea::LeadingRegion: return "leading region";
    case ImageArea::TvBouquet: return "tv bouquet";
    case ImageArea::RadioBouquet: return "radio bouquet";
    case ImageArea::BouquetTail: return "bouquet table tail";
    case ImageArea::GapRegion: return "gap region";
    case ImageArea::Tv: return "tv";
    case ImageArea::TvTail: return "tv table tail";
    case ImageArea::Radio: return "radio";
    case ImageArea::RadioTail: return "radio table tail";
    case ImageArea::Transponder: return "transponder";
    case ImageArea::Satellite: return "satellite";
    case ImageArea::SatelliteTail: return "satellite table tail";
    case ImageArea::SystemBlock: return "system block";
    case ImageArea::Group: return "group";
    }
    return "";
}

}  // namespace

std::vector<RecordDifference> DifferingRecords(const std::uint8_t* expected, const std::uint8_t* actual,
                                               int variant)
{
    const std::size_t shift = variant == 1 ? Image::kSmallShift : 0;
    std::vector<RecordDifference> found;
    for (const Table& table : kTables) {
        if (table.offset < shift)
            continue;
        const std::size_t start = table.offset - shift;
        if (std::memcmp(expected + start, actual + start, table.recordSize * std::size_t(table.count)) == 0)
            continue;
        for (int i = 0; i < table.count; ++i) {
            const std::size_t at = start + std::size_t(i) * table.recordSize;
            RecordDifference difference{table.area, table.count > 1 ? i : -1, at, {}, {}, {}};
            if (!CompareRecord(expected + at, actual + at, table.recordSize, {}, difference))
                continue;
            difference.name = NameOf(expected, shift, table.area, i);
            found.push_back(std::move(difference));
        }
    }

    const std::size_t system = Image::kSystemOffset - shift;
    RecordDifference block{ImageArea::SystemBlock, -1, system, {}, {}, {}};
    if (CompareRecord(expected + system, actual + system, Image::kSystemSize, SystemBlockFields(), block))
        found.push_back(std::move(block));
    for (int g = 0; g < Image::kGroupCount; ++g) {
        const std::size_t at =
            system + Image::kGroupTableOffset + std::size_t(g) * sizeof(FavoriteGroupRecord);
        RecordDifference group{ImageArea::Group, g, at, {}, {}, {}};
        if (!CompareRecord(expected + at, actual + at, sizeof(FavoriteGroupRecord), GroupFields(), group))
            continue;
        group.name = NameText(RecordAt<FavoriteGroupRecord>(expected + at).name);
        found.push_back(std::move(group));
    }
    return found;
}

std::string Describe(const RecordDifference& difference)
{
    std::string line = AreaWord(difference.area);
    if (difference.index >= 0)
        line.append(" ").append(std::to_string(difference.index));
    if (!difference.name.empty())
        line.append(" \"").append(difference.name).append("\"");
    line += ':';
    const char* separator = " ";
    for (const std::string& field : difference.fields) {
        line.append(separator).append(field);
        separator = ", ";
    }
    if (const std::optional<ByteRange>& bytes = difference.bytes) {
        line.append(separator);
        if (bytes->first == bytes->last)
            line.append("byte ").append(std::to_string(bytes->first));
        else
            line.append("bytes ")
                .append(std::to_string(bytes->first))
                .append("-")
                .append(std::to_string(bytes->last));
    }
    return line;
}
