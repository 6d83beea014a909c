#include "TransponderList.h"

namespace TransponderList {

namespace {

bool AllDigits(std::string_view text)
{
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// Letters and digits of ASCII only, whatever the locale says of other bytes.
bool InWord(char c)
{
    const char letter = char(c | 0x20);
    return (letter >= 'a' && letter <= 'z') || (c >= '0' && c <= '9') || c == '.';
}

}  // namespace

std::optional<Refusal> ReadList(std::string_view text, std::string_view fileName,
                                std::vector<Satellite>& satellites)
{
    // Byte order marks of UTF-8 and UTF-16 go before the first character.
    const std::size_t first = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF\xFE\xFF");
    if (first != std::string_view::npos && text[first] == '<')
        return ReadSatellitesXml(text, satellites);
    Satellite satellite;
    std::optional<Refusal> refusal = ReadDvbChannelFile(text, fileName, satellite);
    satellites.clear();
    if (!refusal)
        satellites.push_back(std::move(satellite));
    return refusal;
}

std::string PositionText(int tenths)
{
    const int magnitude = tenths < 0 ? -tenths : tenths;
    return std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10) + (tenths < 0 ? "W" : "E");
}

std::optional<int> ParsePosition(std::string_view text)
{
    if (text.size() < 2)
        return std::nullopt;
    const char hemisphere = char(text.back() | 0x20);
    if (hemisphere != 'e' && hemisphere != 'w')
        return std::nullopt;
    const std::string_view number = text.substr(0, text.size() - 1);
    const std::size_t point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view tenth = point == std::string_view::npos ? "0" : number.substr(point + 1);
    if (whole.empty() || whole.size() > 3 || tenth.size() != 1 || !AllDigits(whole) || !AllDigits(tenth))
        return std::nullopt;
    int tenths = 0;
    for (char c : whole)
        tenths = tenths * 10 + (c - '0');
    tenths = tenths * 10 + (tenth[0] - '0');
    if (tenths > 1800)
        return std::nullopt;
    return hemisphere == 'e' ? tenths : -tenths;
}

std::optional<int> PositionInName(std::string_view name)
{
    std::optional<int> last;
    std::size_t start = 0;
    while (start < name.size()) {
        while (start < name.size() && !InWord(name[start]))
            ++start;
        std::size_t end = start;
        while (end < name.size() && InWord(name[end]))
            ++end;
        if (std::optional<int> position = ParsePosition(name.substr(start, end - start)))
            last = position;
        start = end;
    }
    return last;
}

}  // namespace TransponderList
