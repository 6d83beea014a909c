// The command-line tool for scripts and spreadsheets: each --json document
// holds what the command's text says, and a list saved as a spreadsheet
// saves it comes back in.
#include "CliRunner.h"
#include "Latin1Text.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>

namespace {

using Json = nlohmann::ordered_json;

// A value as the text shows it; names joined by `separator`.
std::string Text(const Json& value, const char* separator = ",")
{
    if (value.is_boolean())
        return value.get<bool>() ? "ON" : "OFF";
    if (!value.is_array())
        return value.is_string() ? value.get<std::string>() : value.is_null() ? "" : value.dump();
    std::string text;
    for (const Json& name : value) {
        if (!text.empty())
            text += separator;
        text += name.get<std::string>();
    }
    return text;
}

// The text line of a row of `list`, made from its JSON object.
std::string LineOf(const std::string& list, const Json& row)
{
    if (list == "satellites")
        return row["name"];
    std::vector<const char*> keys{"slot", "name", "tv_count", "radio_count"};
    if (list == "transponders") {
        char text[32];
        std::snprintf(text, sizeof text, "%-5u %-5u (%s)", unsigned(row["frequency_mhz"].get<double>()),
                      row["symbol_rate"].get<unsigned>(), Text(row["polarization"]).c_str());
        return text;
    }
    if (list != "groups")
        keys = {"position",  "name",      "scramble", "bouquet", "groups", "audio",
                "video_pid", "audio_pid", "pcr_pid",  "lock",    "skip"};
    std::string line;
    for (const char* key : keys) {
        if (!row.contains(key))
            continue;
        std::string cell = Text(row[key]);
        // The list shows the first group, with "..." for more.
        if (std::string(key) == "groups")
            cell = row[key].empty() ? "NoGroup" : Text(row[key][0]) + (row[key].size() > 1 ? "..." : "");
        if (!line.empty())
            line += '\t';
        line += cell;
    }
    return line;
}

// Import's and apply-order's report lines, made from the JSON report.
Lines ReportOf(const Json& report)
{
    Lines lines;
    if (report["encoding"] == "Windows-1252")
        lines.push_back("the list is not UTF-8 text: it was read as Windows-1252");
    const auto named = [&lines, &report](const std::string& what, const char* key, auto text) {
        lines.push_back(what + ": " + std::to_string(report[key].size()));
        for (const Json& item : report[key])
            lines.push_back("  " + text(item));
    };
    const auto row = [](const Json& r) {
        return "line " + Text(r["line"]) + ": " + Text(r["text"]) +
               (r["why"].is_null() ? "" : " (" + Text(r["why"]) + ")");
    };
    for (const char* count : {"matched", "moved", "renamed"}) {
        if (report.contains(count))
            lines.push_back(std::string(count) + ": " + Text(report[count]));
    }
    if (report.contains("added")) {
        named("unmatched", "unmatched", row);
        lines.push_back("added: " + Text(report["added"]));
        return lines;
    }
    const auto name = [](const Json& n) { return Text(n); };
    named("groups created", "groups_created", name);
    named("groups without a free slot", "groups_without_a_free_slot", name);
    named("unmatched reference rows", "unmatched_reference_rows", row);
    named("channels not in the reference", "channels_not_in_the_reference",
          [](const Json& c) { return Text(c["list"]) + " '" + Text(c["name"]) + "'"; });
    return lines;
}

class ListForms : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_cli.Run({"demo", m_demo}).status, 0); }

    // The command's text output and its JSON document.
    std::pair<CliResult, Json> Both(std::vector<std::string> args, int status = 0)
    {
        const CliResult text = m_cli.Run(args);
        EXPECT_EQ(text.status, status) << text.err;
        args.push_back("--json");
        const CliResult json = m_cli.Run(args);
        EXPECT_EQ(json.status, status) << json.err;
        EXPECT_TRUE(Json::accept(json.out)) << json.out;
        return {text, Json::parse(json.out, nullptr, false)};
    }

    CliRunner m_cli;
    const std::string m_demo = m_cli.Path("demo.dat");
};

}  // namespace

TEST_F(ListForms, EachJsonDocumentHoldsWhatTheTextSays)
{
    const auto [info, infoJson] = Both({"info", m_demo});
    Lines infoLines;
    for (const auto& [key, value] : infoJson.items())
        infoLines.push_back(key + ": " + Text(value));
    EXPECT_EQ(infoLines, SplitLines(info.out));

    const std::vector<Lines> lists{{"satellites"},
                                   {"transponders", "--satellite", "7"},
                                   {"tv"},
                                   {"radio", "--transponder", "0"},
                                   {"tv", "--satellite", "1"},
                                   {"groups"}};
    for (Lines args : lists) {
        args.insert(args.begin() + 1, m_demo);
        args.insert(args.begin(), "list");
        const auto [text, rows] = Both(args);
        const Lines lines = SplitLines(text.out);
        ASSERT_EQ(rows.size(), lines.size()) << args[1];
        for (std::size_t r = 0; r < lines.size(); ++r) {
            EXPECT_EQ(rows[r]["position"], r + 1);
            EXPECT_EQ(LineOf(args[1], rows[r]), Latin1::ToUtf8(lines[r])) << args[1];
        }
    }

    std::vector<std::uint8_t> broken = CliRunner::Read(m_demo);
    broken[0x40000 + 44 * 5] = 0xFF;
    CliRunner::Write(m_cli.Path("broken.dat"), broken);
    for (const std::string& image : {m_demo, m_cli.Path("broken.dat")}) {
        const auto [text, check] = Both({"check", image}, image == m_demo ? 0 : 1);
        EXPECT_EQ(check["clean"], text.out.empty());
        Lines findings;
        for (const Json& finding : check["findings"])
            findings.push_back(Text(finding["record"]) + ": " + Text(finding["text"]));
        EXPECT_EQ(findings, SplitLines(text.out));
    }

    const auto [ports, portsJson] = Both({"ports"});
    const Lines portLines = SplitLines(ports.out);
    ASSERT_EQ(portsJson.size(), portLines.size());
    for (std::size_t p = 0; p < portLines.size(); ++p) {
        const std::string start = Text(portsJson[p]["name"]) + " " + Text(portsJson[p]["device"]);
        EXPECT_EQ(portLines[p].substr(0, start.size()), start);
    }

    // An import with a row that names no channel, from a list in the
    // Windows code page with semicolons and a decimal comma; then an order
    // taken from that list and from an image.
    const std::string csv = m_cli.Path("list.csv");
    ASSERT_EQ(m_cli.Run({"export", m_demo, csv, "--separator", ";"}).status, 0);
    std::vector<std::uint8_t> list = CliRunner::Read(csv);
    const std::string row = "tv;1;Caf\xE9;;ASTRA 19.2E;10744,5;22000;H;1;2;3;FTA;STEREO;OFF;OFF;News\r\n";
    list.insert(list.end(), row.begin(), row.end());
    CliRunner::Write(csv, list);
    const auto [imported, importJson] = Both({"import", m_demo, csv, m_cli.Path("out.dat")});
    EXPECT_EQ(importJson["encoding"], "Windows-1252");
    EXPECT_EQ(ReportOf(importJson), SplitLines(imported.err));
    ASSERT_EQ(m_cli.Run({"edit", m_demo, m_cli.Path("moved.dat"), "move-channels", "tv", "-1", "0,1"}).status,
              0);
    for (const std::string& reference : {csv, m_demo}) {
        const auto [ordered, orderJson] =
            Both({"apply-order", m_cli.Path("moved.dat"), reference, m_cli.Path("out.dat")});
        EXPECT_EQ(orderJson["encoding"], reference == csv ? Json("Windows-1252") : Json());
        EXPECT_EQ(ReportOf(orderJson), SplitLines(ordered.err));
    }

    ASSERT_EQ(m_cli.Run({"export", m_demo, csv, "--separator", "tab"}).status, 0);
    EXPECT_EQ(CliRunner::Read(csv)[4], '\t');
    EXPECT_EQ(m_cli.Run({"export", m_demo, csv, "--separator", "|"}).status, 2);
    EXPECT_EQ(m_cli.Run({"convert", m_demo, m_cli.Path("x.dat"), "--json"}).status, 2);
}
