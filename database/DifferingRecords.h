// The records in which two images of one variant differ, byte for byte:
// what a verify names when the receiver holds other bytes than were sent.
// Channels, bouquet entries, transponders and satellites are named with the
// byte range that differs; the system block and the favourite groups by
// their fields; the regions the editor carries unchanged by a byte range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class ImageArea {
    LeadingRegion,
    TvBouquet,  // one entry per TV slot
    RadioBouquet,
    BouquetTail,  // after the last radio entry
    GapRegion,
    Tv,
    TvTail,  // after the last TV slot
    Radio,
    RadioTail,
    Transponder,
    Satellite,
    SatelliteTail,
    SystemBlock,
    Group,
};

struct ByteRange {
    std::size_t first;
    std::size_t last;  // inclusive
};

struct RecordDifference {
    ImageArea area;
    int index = -1;  // in its table; -1 for a region and the system block
    std::size_t offset = 0;  // where the record starts in the image
    // The record's name in the expected image, UTF-8 (Latin-1 bytes); a
    // bouquet entry is named by its channel. Empty for records without one.
    std::string name;
    // The fields that differ: the system block's (with "position pair of
    // satellite N") and a group's.
    std::vector<std::string> fields;
    // The first and last differing byte outside those fields, counted from
    // the record's or region's start.
    std::optional<ByteRange> bytes;
};

// `expected` and `actual` each hold an image in the layout of `variant`
// (1: 0x60800 bytes, else 0xA0800). One entry per differing record, in the
// order of the image.
std::vector<RecordDifference> DifferingRecords(const std::uint8_t* expected, const std::uint8_t* actual,
                                               int variant);

// One line: `tv 213 "ZDF": bytes 15-20`, `system block: menuLanguage`,
// `group 2 "Sport": tvCount, name`.
std::string Describe(const RecordDifference& difference);
