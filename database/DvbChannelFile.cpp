// dvbv5 channel files: '#' comments, and blocks headed [NAME] whose lines are
// KEY = VALUE. Keys and words are taken in any case; other keys are passed
// over.
#include "ChannelRows.h"
#include "ListTexts.h"
#include "RecordRules.h"
#include "TransponderList.h"
#include "TransponderTexts.h"

#include <algorithm>
#include <array>

namespace TransponderList {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

using ChannelRows::WordEntry;

constexpr std::array<const char*, 2> kSystems{"DVBS", "DVBS2"};
constexpr std::array<const char*, 4> kPolarizations{"HORIZONTAL", "VERTICAL", "LEFT", "RIGHT"};
constexpr std::array<const char*, 4> kRequiredKeys{"DELIVERY_SYSTEM", "FREQUENCY", "POLARIZATION",
                                                   "SYMBOL_RATE"};

// The name of the file without its folders and its extension, an ending from
// a point that begins with a letter ("Astra-19.2E" keeps its ".2E").
std::string_view Stem(std::string_view fileName)
{
    std::string_view stem = fileName.substr(fileName.find_last_of('/') + 1);
    const std::size_t point = stem.find_last_of('.');
    if (point != std::string_view::npos && point + 1 < stem.size() &&
        ((stem[point + 1] | 0x20) >= 'a' && (stem[point + 1] | 0x20) <= 'z'))
        stem = stem.substr(0, point);
    return stem;
}

// One [NAME] block as it is read: which of the required keys it had.
class Block {
public:
    Block(std::string_view name, int line) : m_name(name), m_line(line) { }

    // The key's value, when it is one the block needs; false with the
    // reason when the value is not one the key takes.
    bool Take(std::string_view key, std::string_view value, PlaceholderText& reason)
    {
        const int k = WordEntry(kRequiredKeys, key);
        int word = 0;
        switch (k) {
        case 0:
            if ((word = WordEntry(kSystems, value)) < 0)
                return Fail(reason, {Text::kDvbUnknownSystem, {std::string(value)}});
            m_transponder.system = DeliverySystem(word);
            break;
        case 1:
            if (!Number(value, m_transponder.frequencyKhz))
                return Fail(reason, NotANumber(kRequiredKeys[1], value));
            break;
        case 2:
            if ((word = WordEntry(kPolarizations, value)) < 0)
                return Fail(reason, {Text::kDvbUnknownPolarization, {std::string(value)}});
            m_transponder.polarization = Polarization(word);
            break;
        case 3:
            if (!Number(value, m_transponder.symbolRate))
                return Fail(reason, NotANumber(kRequiredKeys[3], value));
            break;
        default: return true;
        }
        m_given[std::size_t(k)] = true;
        return true;
    }

    // The transponder, or the refusal on the block's line for a key it lacks.
    std::optional<Refusal> Finish(Transponder& transponder) const
    {
        for (std::size_t k = 0; k < kRequiredKeys.size(); ++k) {
            if (!m_given[k])
                return Refusal{m_line, {Text::kDvbMissingKey, {m_name, kRequiredKeys[k]}}};
        }
        transponder = m_transponder;
        return std::nullopt;
    }

private:
    static bool Fail(PlaceholderText& reason, PlaceholderText why)
    {
        reason = std::move(why);
        return false;
    }

    static PlaceholderText NotANumber(const char* key, std::string_view value)
    {
        return {Text::kCellNotNumber, {key, std::string(value), "0", std::to_string(Rules::kAnyNumber)}};
    }

    static bool Number(std::string_view text, std::uint32_t& value)
    {
        return Rules::ParseUnsigned(std::string(text), Rules::kAnyNumber, value) == Rules::Field::Ok;
    }

    std::string m_name;
    int m_line;
    std::array<bool, kRequiredKeys.size()> m_given{};
    Transponder m_transponder;
};

}  // namespace

std::optional<Refusal> ReadDvbChannelFile(std::string_view text, std::string_view fileName,
                                          Satellite& satellite)
{
    satellite = Satellite{};
    Satellite read{std::string(Stem(fileName)), PositionInName(Stem(fileName)), {}};
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::optional<Block> block;
    auto finishBlock = [&]() -> std::optional<Refusal> {
        if (!block)
            return std::nullopt;
        Transponder transponder;
        if (std::optional<Refusal> refusal = block->Finish(transponder))
            return refusal;
        read.transponders.push_back(transponder);
        return std::nullopt;
    };

    int line = 0;
    for (std::size_t start = 0; start < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view content = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (content.empty() || content.front() == '#')
            continue;
        if (content.front() == '[' && content.back() == ']') {
            if (std::optional<Refusal> refusal = finishBlock())
                return refusal;
            block.emplace(content.substr(1, content.size() - 2), line + 1);
            continue;
        }
        const std::size_t equals = content.find('=');
        const std::string_view key = Trimmed(content.substr(0, equals));
        if (equals == std::string_view::npos || key.empty())
            return Refusal{line + 1, {Text::kDvbNotKeyValue, {}}};
        if (!block)
            return Refusal{line + 1, {Text::kDvbBeforeFirstBlock, {}}};
        PlaceholderText reason;
        if (!block->Take(key, Trimmed(content.substr(equals + 1)), reason))
            return Refusal{line + 1, std::move(reason)};
    }
    if (std::optional<Refusal> refusal = finishBlock())
        return refusal;
    satellite = std::move(read);
    return std::nullopt;
}

}  // namespace TransponderList
