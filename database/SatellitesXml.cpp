// satellites.xml through pugixml, which reads the file's own encoding and
// expands no external entities.
#include "ListTexts.h"
#include "TransponderList.h"
#include "TransponderTexts.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <limits>
#include <sstream>

namespace TransponderList {

namespace {

int LineAt(std::string_view text, std::ptrdiff_t offset)
{
    const std::size_t end = std::min(text.size(), std::size_t(std::max<std::ptrdiff_t>(offset, 0)));
    return 1 + int(std::count(text.begin(), text.begin() + std::ptrdiff_t(end), '\n'));
}

const char* WellFormedReason(pugi::xml_parse_status status)
{
    switch (status) {
    case pugi::status_unrecognized_tag:
    case pugi::status_bad_start_element:
    case pugi::status_bad_end_element: return Text::kXmlBrokenTag;
    case pugi::status_bad_attribute: return Text::kXmlBrokenAttribute;
    case pugi::status_end_element_mismatch: return Text::kXmlUnclosedElement;
    case pugi::status_no_document_element: return Text::kXmlNoElement;
    case pugi::status_bad_pi:
    case pugi::status_bad_comment:
    case pugi::status_bad_cdata:
    case pugi::status_bad_doctype:
    case pugi::status_bad_pcdata: return Text::kXmlBrokenMarkup;
    default: return Text::kXmlTooLarge;
    }
}

// Reads the attributes of one element; the first that breaks a rule leaves
// its refusal, on the element's line.
class ElementReader {
public:
    ElementReader(std::string_view text, pugi::xml_node element) : m_text(text), m_element(element) { }

    const std::optional<Refusal>& Refused() const { return m_refusal; }

    bool String(const char* attribute, std::string& value)
    {
        const pugi::xml_attribute found = m_element.attribute(attribute);
        if (!found)
            return Missing(attribute);
        value = found.value();
        return true;
    }

    // A whole decimal number from min to max; without the attribute, the
    // fallback when there is one.
    template <class Number>
    bool Integer(const char* attribute, Number min, Number max, Number& value,
                 std::optional<Number> fallback = std::nullopt)
    {
        const pugi::xml_attribute found = m_element.attribute(attribute);
        if (!found && fallback) {
            value = *fallback;
            return true;
        }
        if (!found)
            return Missing(attribute);
        const std::string_view text = found.value();
        std::int64_t number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc() || end != text.data() + text.size() || number < min || number > max)
            return Fail({Text::kCellNotNumber,
                         {attribute, std::string(text), std::to_string(min), std::to_string(max)}});
        value = Number(number);
        return true;
    }

private:
    bool Missing(const char* attribute)
    {
        return Fail({Text::kXmlMissingAttribute, {m_element.name(), attribute}});
    }

    bool Fail(PlaceholderText reason)
    {
        m_refusal = Refusal{LineAt(m_text, m_element.offset_debug()), std::move(reason)};
        return false;
    }

    std::string_view m_text;
    pugi::xml_node m_element;
    std::optional<Refusal> m_refusal;
};

constexpr std::uint32_t kAnyCount = std::numeric_limits<std::uint32_t>::max();

std::optional<Refusal> ReadTransponder(std::string_view text, pugi::xml_node element,
                                       Transponder& transponder)
{
    ElementReader reader(text, element);
    std::uint8_t polarization = 0, system = 0;
    const bool read = reader.Integer<std::uint32_t>("frequency", 0, kAnyCount, transponder.frequencyKhz) &&
                      reader.Integer<std::uint32_t>("symbol_rate", 0, kAnyCount, transponder.symbolRate) &&
                      reader.Integer<std::uint8_t>("polarization", 0, 3, polarization) &&
                      reader.Integer<std::uint8_t>("system", 0, 1, system, 0);
    transponder.polarization = Polarization(polarization);
    transponder.system = DeliverySystem(system);
    return read ? std::nullopt : reader.Refused();
}

std::optional<Refusal> ReadSat(std::string_view text, pugi::xml_node element, Satellite& satellite)
{
    ElementReader reader(text, element);
    int position = 0;
    if (!reader.String("name", satellite.name) || !reader.Integer("position", -1800, 1800, position))
        return reader.Refused();
    satellite.position = position;
    for (pugi::xml_node child : element.children("transponder")) {
        Transponder transponder;
        if (std::optional<Refusal> refusal = ReadTransponder(text, child, transponder))
            return refusal;
        satellite.transponders.push_back(transponder);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Refusal> ReadSatellitesXml(std::string_view text, std::vector<Satellite>& satellites)
{
    satellites.clear();
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    if (!parsed)
        return Refusal{LineAt(text, parsed.offset), {WellFormedReason(parsed.status), {}}};
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "satellites")
        return Refusal{LineAt(text, root.offset_debug()), {Text::kXmlWrongRoot, {root.name()}}};
    std::vector<Satellite> read;
    for (pugi::xml_node element : root.children("sat")) {
        Satellite satellite;
        if (std::optional<Refusal> refusal = ReadSat(text, element, satellite))
            return refusal;
        read.push_back(std::move(satellite));
    }
    satellites = std::move(read);
    return std::nullopt;
}

std::string WriteSatellitesXml(std::span<const Satellite> satellites)
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("satellites");
    for (const Satellite& satellite : satellites) {
        if (!satellite.position)
            continue;
        pugi::xml_node sat = root.append_child("sat");
        sat.append_attribute("name") = satellite.name.c_str();
        sat.append_attribute("flags") = 0;
        sat.append_attribute("position") = *satellite.position;
        for (const Transponder& transponder : satellite.transponders) {
            pugi::xml_node element = sat.append_child("transponder");
            element.append_attribute("frequency") = transponder.frequencyKhz;
            element.append_attribute("symbol_rate") = transponder.symbolRate;
            element.append_attribute("polarization") = unsigned(transponder.polarization);
            element.append_attribute("system") = unsigned(transponder.system);
        }
    }
    std::ostringstream out;
    document.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

}  // namespace TransponderList
