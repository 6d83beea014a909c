// Rows as CSV text and back. Every cell is checked as it is read, so a row
// that is taken holds only values the receiver can store.
#include "ChannelRows.h"
#include "CsvText.h"
#include "EntryLists.h"
#include "Latin1Text.h"
#include "ListTexts.h"
#include "TextEncoding.h"

#include <array>

namespace ChannelRows {

namespace {

constexpr std::array<const char*, 16> kColumns{
    "list",        "position",     "name",      "bouquet",   "satellite", "frequency_mhz",
    "symbol_rate", "polarization", "video_pid", "audio_pid", "pcr_pid",   "scramble",
    "audio",       "lock",         "skip",      "groups",
};

// The longest texts the record fields hold; a name that fills its field has
// no NUL, which only a name the image already has may do.
constexpr std::size_t kNameField = sizeof(ChannelRecord::name);
constexpr std::size_t kBouquetField = sizeof(BouquetEntry::text);
constexpr std::size_t kSatelliteField = sizeof(SatelliteRecord::name);

// kHz as MHz: whole MHz without a fraction, else up to three decimals.
std::string Megahertz(std::uint32_t khz)
{
    std::string text = std::to_string(khz / 1000);
    if (const std::uint32_t fraction = khz % 1000) {
        std::string decimals = std::to_string(1000 + fraction).substr(1);
        decimals.erase(decimals.find_last_not_of('0') + 1);
        text += "." + decimals;
    }
    return text;
}

std::string CanonicalScramble(int entry)
{
    if (entry == Entries::kCaStandard)
        return "standard";
    if (entry == Entries::kCaReserved)
        return "reserved";
    return Entries::kCaSystems[std::size_t(entry)].name;
}

std::vector<std::string> Cells(const Row& row)
{
    using Latin1::ToUtf8;
    return {
        row.kind == kRadio ? "radio" : "tv",
        std::to_string(row.position),
        ToUtf8(row.name),
        ToUtf8(row.bouquet),
        ToUtf8(row.satellite),
        row.onTransponder ? Megahertz(row.frequencyKhz) : "",
        row.onTransponder ? std::to_string(row.symbolRate) : "",
        row.onTransponder ? (row.horizontal ? "H" : "V") : "",
        std::to_string(row.videoPid),
        std::to_string(row.audioPid),
        std::to_string(row.pcrPid),
        row.scramble,
        row.audio,
        row.locked ? "ON" : "OFF",
        row.skipped ? "ON" : "OFF",
        ToUtf8(row.groups),
    };
}

// Reads the cells of one record into a row; the first cell that breaks a
// rule leaves its reason.
class CellReader {
public:
    explicit CellReader(const Csv::Record& record) : m_cells(record.fields) { }

    const std::string& Cell(std::size_t column) const { return m_cells[column]; }
    const PlaceholderText& Reason() const { return m_reason; }

    bool Fail(PlaceholderText reason)
    {
        m_reason = std::move(reason);
        return false;
    }

    bool Text(std::size_t column, std::size_t longest, std::string& bytes)
    {
        const std::string& cell = Cell(column);
        switch (Latin1::FromUtf8(cell, bytes)) {
        case Latin1::Decoded::NotUtf8: return Fail({Text::kCellNotUtf8, {kColumns[column]}});
        case Latin1::Decoded::BeyondLatin1: return Fail({Text::kCellBeyondLatin1, {kColumns[column], cell}});
        case Latin1::Decoded::Ok: break;
        }
        if (bytes.find('\0') != std::string::npos)
            return Fail({Text::kCellHoldsNul, {kColumns[column]}});
        if (bytes.size() > longest)
            return Fail({Text::kCellTooLong, {kColumns[column], cell, std::to_string(longest - 1)}});
        return true;
    }

    bool Number(std::size_t column, std::uint32_t min, std::uint32_t max, std::uint32_t& value)
    {
        const std::string& cell = Cell(column);
        std::uint64_t v = 0;
        bool digits = !cell.empty() && cell.size() <= 10;
        for (char c : cell) {
            digits = digits && c >= '0' && c <= '9';
            v = v * 10 + std::uint64_t(c - '0');
        }
        if (!digits || v < min || v > max)
            return Fail(
                {Text::kCellNotNumber, {kColumns[column], cell, std::to_string(min), std::to_string(max)}});
        value = std::uint32_t(v);
        return true;
    }

    bool Word(std::size_t column, std::uint16_t& value)
    {
        std::uint32_t v = 0;
        if (!Number(column, 0, 0xFFFF, v))
            return false;
        value = std::uint16_t(v);
        return true;
    }

    // A spreadsheet in a locale with a decimal comma writes one.
    bool Frequency(std::uint32_t& khz)
    {
        const std::string& cell = Cell(5);
        const std::size_t dot = cell.find_first_of(".,");
        const std::string whole = cell.substr(0, dot);
        const std::string decimals = dot == std::string::npos ? "" : cell.substr(dot + 1);
        std::uint64_t value = 0;
        bool valid = !whole.empty() && whole.size() <= 7 && decimals.size() <= 3 &&
                     (dot == std::string::npos || !decimals.empty());
        for (char c : whole + (decimals + "000").substr(0, 3)) {
            valid = valid && c >= '0' && c <= '9';
            value = value * 10 + std::uint64_t(c - '0');
        }
        if (!valid || value > 0xFFFFFFFFull)
            return Fail({Text::kCellNotFrequency, {cell}});
        khz = std::uint32_t(value);
        return true;
    }

    // One of two words in any case; true when it is the first.
    bool Choice(std::size_t column, const char* first, const char* second, bool& isFirst)
    {
        const std::array<const char*, 2> words{first, second};
        const int entry = WordEntry(words, Cell(column));
        if (entry < 0)
            return Fail({Text::kCellUnknownChoice, {kColumns[column], Cell(column), first, second}});
        isFirst = entry == 0;
        return true;
    }

private:
    const std::vector<std::string>& m_cells;
    PlaceholderText m_reason;
};

bool ReadTransponder(CellReader& cells, Row& row)
{
    row.onTransponder = !cells.Cell(5).empty();
    if (!row.onTransponder) {
        if (!cells.Cell(6).empty() || !cells.Cell(7).empty())
            return cells.Fail({Text::kCellNeedsFrequency, {}});
        return true;
    }
    std::uint32_t symbolRate = 0;
    bool vertical = false;
    if (!cells.Frequency(row.frequencyKhz) || !cells.Number(6, 0, 0xFFFF, symbolRate) ||
        !cells.Choice(7, "V", "H", vertical))
        return false;
    row.symbolRate = std::uint16_t(symbolRate);
    row.horizontal = !vertical;
    return true;
}

bool ReadFlags(CellReader& cells, Row& row)
{
    const int scramble = ScrambleEntry(cells.Cell(11));
    if (scramble < 0 && !cells.Cell(11).empty())
        return cells.Fail({Text::kCellUnknownScramble, {cells.Cell(11)}});
    row.scramble = scramble < 0 ? "" : CanonicalScramble(scramble);
    const int audio = AudioEntry(cells.Cell(12));
    if (audio < 0 && !cells.Cell(12).empty())
        return cells.Fail({Text::kCellUnknownAudio, {cells.Cell(12)}});
    row.audio = audio < 0 ? "" : Entries::kAudio[std::size_t(audio)];
    return cells.Choice(13, "ON", "OFF", row.locked) && cells.Choice(14, "ON", "OFF", row.skipped);
}

bool ReadRow(CellReader& cells, Row& row)
{
    bool tv = true;
    if (!cells.Choice(0, "tv", "radio", tv) || !cells.Number(1, 1, 0xFFFFFFFFu, row.position) ||
        !cells.Text(2, kNameField, row.name) || !cells.Text(3, kBouquetField, row.bouquet) ||
        !cells.Text(4, kSatelliteField, row.satellite) || !ReadTransponder(cells, row) ||
        !cells.Word(8, row.videoPid) || !cells.Word(9, row.audioPid) || !cells.Word(10, row.pcrPid) ||
        !ReadFlags(cells, row))
        return false;
    row.kind = tv ? kTv : kRadio;
    return cells.Text(15, std::string::npos, row.groups);
}

std::string HeaderText()
{
    std::string header;
    for (const char* column : kColumns)
        header += std::string(header.empty() ? "" : ",") + column;
    return header;
}

}  // namespace

std::string ToCsv(std::span<const Row> rows, char separator)
{
    std::string text;
    text.reserve(64 + rows.size() * 96);
    Csv::Append(text, std::vector<std::string>(kColumns.begin(), kColumns.end()), separator);
    for (const Row& row : rows)
        Csv::Append(text, Cells(row), separator);
    return text;
}

std::string RowText(const Row& row)
{
    std::string text;
    Csv::Append(text, Cells(row));
    text.resize(text.size() - 2);
    return text;
}

PlaceholderText CsvForm::ReadingNote() const
{
    return windows1252 ? PlaceholderText{Text::kCsvReadAsWindows1252, {}} : PlaceholderText{};
}

std::optional<Refusal> FromCsv(std::string_view text, std::vector<Row>& rows, CsvForm& form)
{
    rows.clear();
    // A byte order mark says UTF-8, and then a byte that is none is an error
    // of the cell it is in.
    std::string converted;
    form.windows1252 = !text.starts_with(Csv::kByteOrderMark) && !Encoding::IsUtf8(text);
    if (form.windows1252) {
        converted = Encoding::Windows1252ToUtf8(text);
        text = converted;
    }
    form.separator = Csv::SeparatorOf(text);
    std::vector<Csv::Record> records;
    if (std::optional<Csv::Error> error = Csv::Read(text, form.separator, records))
        return Refusal(error->line, {error->reason, {}});
    if (records.empty() || records[0].fields != std::vector<std::string>(kColumns.begin(), kColumns.end()))
        return Refusal(records.empty() ? 1 : records[0].line, {Text::kCsvHeaderFirst, {HeaderText()}});
    std::vector<Row> read;
    read.reserve(records.size() - 1);
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Csv::Record& record = records[r];
        if (record.fields.size() != kColumns.size())
            return Refusal(record.line,
                           {Text::kCsvColumnCount,
                            {std::to_string(record.fields.size()), std::to_string(kColumns.size())}});
        CellReader cells(record);
        Row row;
        row.line = record.line;
        if (!ReadRow(cells, row))
            return Refusal(record.line, cells.Reason());
        read.push_back(std::move(row));
    }
    rows = std::move(read);
    return std::nullopt;
}

}  // namespace ChannelRows
