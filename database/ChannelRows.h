// Channel lists as rows: one row per TV or radio channel, with the cells the
// lists show, the channel's transponder and satellite, and its favourite
// groups by name; and their CSV text (RFC 4180, UTF-8, a header row), also in
// the forms spreadsheets save it in.
#pragma once

#include "ImageFormat.h"
#include "PlaceholderText.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CChannelDatabase;

namespace ChannelRows {

struct Row {
    int line = 0;  // where it starts in its CSV text
    ChannelKind kind = kTv;
    std::uint32_t position = 1;  // place in its list, from 1
    // Texts are the bytes the receiver stores.
    std::string name;
    std::string bouquet;
    std::string satellite;  // empty when the channel has no satellite
    bool onTransponder = true;  // false: frequency, symbol rate and polarization are empty
    std::uint32_t frequencyKhz = 0;
    std::uint16_t symbolRate = 0;
    bool horizontal = false;
    std::uint16_t videoPid = 0;
    std::uint16_t audioPid = 0;
    std::uint16_t pcrPid = 0;
    std::string scramble;  // as the list shows it; empty for a CA id no entry names
    std::string audio;  // "STEREO", "RIGHT", "LEFT", or empty
    bool locked = false;
    bool skipped = false;
    std::string groups;  // group names, separated by '|'
};

// Far more than the rows of two full channel tables take: a larger file is
// no channel list.
constexpr std::uintmax_t kLargestCsv = 64u << 20;

// A CSV text that cannot be taken: the line and the reason, in English as the
// command-line tool prints it and as a message the editor translates.
struct Refusal {
    Refusal(int at, PlaceholderText why) : line(at), reason(Fill(why)), message(std::move(why)) { }

    int line = 0;
    std::string reason;
    PlaceholderText message;
};

// Every TV channel, then every radio channel, in table order; a channel's
// position is its slot + 1.
std::vector<Row> ExportRows(const CChannelDatabase& db);

// The header row and the rows, each ending with CRLF, their cells separated
// by `separator` (a comma, a semicolon or a TAB).
std::string ToCsv(std::span<const Row> rows, char separator = ',');
// One row as its CSV record, without the line ending.
std::string RowText(const Row& row);

// How a CSV text was written, as reading it found.
struct CsvForm {
    char separator = ',';  // that of the header row
    // Not UTF-8 and without a byte order mark: read as Windows-1252, the code
    // page spreadsheets save "CSV" in on Western European systems.
    bool windows1252 = false;

    // What a report on the list says first; empty for a list read as UTF-8.
    PlaceholderText ReadingNote() const;
};
// Reads rows from CSV text: the header row, then one row per channel.
// Nothing but a refusal is returned for text that breaks a rule.
std::optional<Refusal> FromCsv(std::string_view text, std::vector<Row>& rows, CsvForm& form);
inline std::optional<Refusal> FromCsv(std::string_view text, std::vector<Row>& rows)
{
    CsvForm form;
    return FromCsv(text, rows, form);
}

// The entry of `words` that `text` is, in any case; -1 when it is none.
int WordEntry(std::span<const char* const> words, std::string_view text);
// The CA entry (Entries::kCaSystems) a scramble text names, in any case;
// -1 for the empty text and for a text that names none.
int ScrambleEntry(const std::string& scramble);
// The Audio list's entry an audio text names, in any case; -1 for the empty
// text and for a text that names none.
int AudioEntry(const std::string& audio);

}  // namespace ChannelRows
