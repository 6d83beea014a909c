#include "DiffReport.h"

#include "Latin1Text.h"

#include <nlohmann/json.hpp>

namespace {

using Diff::Change;
using Diff::Difference;
using Diff::Table;
using Json = nlohmann::ordered_json;

constexpr const char* kTables[] = {"satellites", "transponders", "tv", "radio", "groups", "system"};
constexpr const char* kChanges[] = {"added", "removed", "moved", "renamed", "retuned", "changed"};

const char* TableKey(Table table)
{
    return kTables[std::size_t(table)];
}

const char* ChangeKey(Change change)
{
    return kChanges[std::size_t(change)];
}

// Names are the receiver's bytes read as Latin-1.
Json Text(const std::string& bytes)
{
    return Latin1::ToUtf8(bytes);
}

Json ValueJson(const Diff::Value& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return *number;
    return Text(std::get<std::string>(value));
}

// Whole MHz as an integer, as the lists and the CSV show them.
Json Megahertz(std::uint32_t khz)
{
    if (khz % 1000 == 0)
        return khz / 1000;
    return khz / 1000.0;
}

Json PlaceJson(const Diff::Place& place)
{
    Json json;
    json["satellite"] = Text(place.satellite);
    json["frequency_mhz"] = place.onTransponder ? Megahertz(place.frequencyKhz) : Json();
    json["polarization"] = place.onTransponder ? Json(place.horizontal ? "H" : "V") : Json();
    return json;
}

Json FieldsJson(const std::vector<Diff::Field>& fields)
{
    Json json = Json::object();
    for (const Diff::Field& field : fields)
        json[field.name] = Json::array({ValueJson(field.ours), ValueJson(field.theirs)});
    return json;
}

Json TransponderJson(const Difference& d)
{
    Json json = PlaceJson(d.place);
    if (d.change == Change::Changed)
        json["fields"] = FieldsJson(d.fields);
    else
        json["symbol_rate"] = d.place.symbolRate;
    return json;
}

Json ChannelJson(const Difference& d)
{
    Json json;
    switch (d.change) {
    case Change::Added:
    case Change::Removed:
        json["name"] = Text(d.name);
        json["position"] = (d.change == Change::Added ? d.theirs : d.ours) + 1;
        json.update(PlaceJson(d.place));
        break;
    case Change::Moved:
        json["name"] = Text(d.name);
        json["from"] = d.ours + 1;
        json["to"] = d.theirs + 1;
        break;
    case Change::Renamed:
        json["from"] = Text(d.name);
        json["to"] = Text(d.otherName);
        json["position"] = d.ours + 1;
        break;
    case Change::Retuned:
        json["name"] = Text(d.name);
        json["from"] = PlaceJson(d.place);
        json["to"] = PlaceJson(d.otherPlace);
        break;
    case Change::Changed:
        json["name"] = Text(d.name);
        json["position"] = d.ours + 1;
        json["fields"] = FieldsJson(d.fields);
        break;
    }
    return json;
}

Json Entry(const Difference& d)
{
    switch (d.table) {
    case Table::Satellites: {
        Json json;
        json["name"] = Text(d.name);
        if (d.change == Change::Changed)
            json["fields"] = FieldsJson(d.fields);
        return json;
    }
    case Table::Transponders: return TransponderJson(d);
    case Table::Groups: return {{"slot", d.ours + 1}, {"from", Text(d.name)}, {"to", Text(d.otherName)}};
    default: return ChannelJson(d);
    }
}

// Every key of the document, with nothing in it.
Json EmptyDocument(bool same)
{
    const Json records = {{"added", Json::array()}, {"removed", Json::array()}, {"changed", Json::array()}};
    Json channels;
    for (Change change :
         {Change::Added, Change::Removed, Change::Moved, Change::Renamed, Change::Retuned, Change::Changed})
        channels[ChangeKey(change)] = Json::array();
    return {{"same", same},      {"satellites", records},   {"transponders", records}, {"tv", channels},
            {"radio", channels}, {"groups", Json::array()}, {"system", Json::object()}};
}

std::string Quoted(const std::string& bytes)
{
    return Text(bytes).dump();
}

std::string PlaceText(const Diff::Place& place)
{
    if (!place.onTransponder)
        return "no transponder";
    return Quoted(place.satellite) + " " + Megahertz(place.frequencyKhz).dump() +
           (place.horizontal ? " H" : " V");
}

std::string FieldsText(const std::vector<Diff::Field>& fields)
{
    std::string text;
    for (const Diff::Field& field : fields)
        text += (text.empty() ? "" : ", ") + std::string(field.name) + " " + ValueJson(field.ours).dump() +
                " -> " + ValueJson(field.theirs).dump();
    return text;
}

std::string ChannelText(const Difference& d)
{
    const std::string position = std::to_string((d.change == Change::Added ? d.theirs : d.ours) + 1);
    switch (d.change) {
    case Change::Added:
    case Change::Removed: return position + " " + Quoted(d.name) + " on " + PlaceText(d.place);
    case Change::Moved: return Quoted(d.name) + " " + position + " -> " + std::to_string(d.theirs + 1);
    case Change::Renamed: return position + " " + Quoted(d.name) + " -> " + Quoted(d.otherName);
    case Change::Retuned: return Quoted(d.name) + " " + PlaceText(d.place) + " -> " + PlaceText(d.otherPlace);
    case Change::Changed: break;
    }
    return position + " " + Quoted(d.name) + ": " + FieldsText(d.fields);
}

std::string Line(const Difference& d)
{
    std::string line = std::string(TableKey(d.table)) + ": " + ChangeKey(d.change) + " ";
    switch (d.table) {
    case Table::Satellites:
        line += Quoted(d.name);
        if (d.change == Change::Changed)
            line += ": " + FieldsText(d.fields);
        return line;
    case Table::Transponders:
        line += PlaceText(d.place);
        if (d.change == Change::Changed)
            return line + ": " + FieldsText(d.fields);
        return line + " " + std::to_string(d.place.symbolRate);
    case Table::Groups:
        return line + std::to_string(d.ours + 1) + " " + Quoted(d.name) + " -> " + Quoted(d.otherName);
    case Table::System: return line + FieldsText(d.fields);
    default: return line + ChannelText(d);
    }
}

}  // namespace

std::vector<std::string> DiffLines(const Diff::Comparison& comparison)
{
    std::vector<std::string> lines;
    for (const Difference& d : comparison.differences)
        lines.push_back(Line(d));
    lines.push_back("differences: " + std::to_string(comparison.differences.size()));
    return lines;
}

std::string DiffJson(const Diff::Comparison& comparison)
{
    Json document = EmptyDocument(comparison.Same());
    for (const Difference& d : comparison.differences) {
        Json& table = document[TableKey(d.table)];
        if (d.table == Table::System)
            table.update(FieldsJson(d.fields));
        else if (d.table == Table::Groups)
            table.push_back(Entry(d));
        else
            table[ChangeKey(d.change)].push_back(Entry(d));
    }
    return document.dump(2) + "\n";
}
