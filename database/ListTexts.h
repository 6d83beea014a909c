// Why a channel list is refused, why a row of it adds no channel, and what the
// image check finds: shared by the editor, which shows them translated, and
// the command-line tool, which prints them in English. A %1 naming a column
// stands for its name in the CSV header, which stays as it is.
#pragma once

namespace Text {

// CSV text.
inline constexpr const char* kCsvTextAfterQuote = "text after a closing quote";
inline constexpr const char* kCsvQuoteNotClosed = "a quoted field is not closed";
inline constexpr const char* kCsvStrayQuote = "a quote inside a field that does not start with one";
inline constexpr const char* kCsvStrayReturn = "a carriage return outside quotes";
// %1 is the header row.
inline constexpr const char* kCsvHeaderFirst = "the first row must be the header %1";
inline constexpr const char* kCsvColumnCount = "%1 columns where the header has %2";
// Reported after a list that was not UTF-8 was read.
inline constexpr const char* kCsvReadAsWindows1252 =
    "the list is not UTF-8 text: it was read as Windows-1252";

// Cells: %1 is the column, %2 the cell.
inline constexpr const char* kCellNotUtf8 = "%1 is not UTF-8 text";
inline constexpr const char* kCellBeyondLatin1 =
    "%1 '%2' has a character the receiver cannot store (only Latin-1 ones)";
inline constexpr const char* kCellHoldsNul = "%1 holds a NUL character";
// %3 is the most characters the field holds.
inline constexpr const char* kCellTooLong = "%1 '%2' is longer than the receiver stores (%3 characters)";
// %3 and %4 are the least and the greatest number.
inline constexpr const char* kCellNotNumber = "%1 '%2' is not a number from %3 to %4";
inline constexpr const char* kCellNotFrequency =
    "frequency_mhz '%1' is not a frequency in MHz (at most three decimals)";
// %3 and %4 are the two words the column takes.
inline constexpr const char* kCellUnknownChoice = "unknown %1 '%2' (%3 or %4)";
inline constexpr const char* kCellNeedsFrequency = "symbol_rate and polarization need a frequency";
inline constexpr const char* kCellUnknownScramble = "unknown scramble '%1'";
inline constexpr const char* kCellUnknownAudio = "unknown audio '%1' (STEREO, RIGHT or LEFT)";

// Importing and applying an order: %1 is a group name.
inline constexpr const char* kUnknownGroup = "unknown group '%1'";
inline constexpr const char* kGroupNotCreatable =
    "group '%1' cannot be created: a group name has 1 to 7 characters";
// A channel no reference row names: %1 is its name.
inline constexpr const char* kTvChannelNamed = "tv '%1'";
inline constexpr const char* kRadioChannelNamed = "radio '%1'";
// Why a row that names no channel adds none.
inline constexpr const char* kNoTransponderForRow =
    "no transponder with this satellite, frequency and polarization";
inline constexpr const char* kChannelThereAlready = "its channel is there already";

// The records the image check names: %1 is the record's index.
inline constexpr const char* kSatelliteRecord = "satellite %1";
inline constexpr const char* kTransponderRecord = "transponder %1";
inline constexpr const char* kTvChannelRecord = "tv channel %1";
inline constexpr const char* kRadioChannelRecord = "radio channel %1";
inline constexpr const char* kGroupRecord = "group %1";
inline constexpr const char* kSystemBlock = "system block";

// What the image check finds in a record.
inline constexpr const char* kMissingEndRecord = "missing end record";
inline constexpr const char* kSlotAfterEnd = "slot after the end is not empty";
inline constexpr const char* kDeletedRecordLeft = "deleted record left in the table";
inline constexpr const char* kDeletedBouquetLeft = "deleted bouquet entry left in the table";
inline constexpr const char* kBouquetAfterEnd = "bouquet entry after the end is not zero";
inline constexpr const char* kIndexNotPosition = "index field is %1, not its position";
inline constexpr const char* kNamesNoSatellite = "names satellite %1, which does not exist";
inline constexpr const char* kNamesNoTransponder = "names transponder %1, which does not exist";
inline constexpr const char* kNameWithoutNul = "name has no NUL";
inline constexpr const char* kBouquetWithoutNul = "bouquet name has no NUL";
// %1 lists the numbers of the groups.
inline constexpr const char* kUnnamedGroupMember = "member of unnamed group %1";
inline constexpr const char* kGroupsInUse = "groupsInUse is %1, the named groups make %2";
// %1 is the slot of the earlier channel.
inline constexpr const char* kSameAsTvChannel = "same transponder and PIDs as tv channel %1";
inline constexpr const char* kSameAsRadioChannel = "same transponder and PIDs as radio channel %1";
// %1 is the field, %2 its value, %3 the value the upkeep computes.
inline constexpr const char* kFigureDiffers = "%1 is %2, the upkeep makes it %3";
// %1 is the satellite's index; %2 and %3 are pairs "(tv, radio)".
inline constexpr const char* kPositionPairDiffers =
    "position pair of satellite %1 is %2, the upkeep makes it %3";

}  // namespace Text
