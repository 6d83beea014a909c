// The command-line tool for scripts and spreadsheets: each --json document
// holds what the command's text says, and a list saved as spreadsheets save
// it comes back in.
#include "CliRunner.h"
#include "Latin1Text.h"
#include "PortListing.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>

namespace {

using Json = nlohmann::json;
using Lines = std::vector<std::string>;

Lines Split(const std::string& text, char separator)
{
    Lines parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    if (separator != '\n')
        parts.push_back(text.substr(start));
    return parts;
}

std::string Utf8(const std::string& bytes)
{
    return Latin1::ToUtf8(bytes);
}

std::string Text(const Json& value)
{
    return value.is_string() ? value.get<std::string>() : value.is_null() ? "" : value.dump();
}

std::string Joined(const Json& names, char separator)
{
    std::string text;
    for (const Json& name : names) {
        if (!text.empty())
            text += separator;
        text += name.get<std::string>();
    }
    return text;
}

std::string OnOff(const Json& flag)
{
    return flag.get<bool>() ? "ON" : "OFF";
}

// The text line of a row of `list`, made from its JSON object.
std::string LineOf(const std::string& list, const Json& row)
{
    if (list == "satellites")
        return row["name"];
    if (list == "groups")
        return Text(row["slot"]) + '\t' + Text(row["name"]) + '\t' + Text(row["tv_count"]) + '\t' +
               Text(row["radio_count"]);
    if (list == "transponders") {
        char text[32];
        std::snprintf(text, sizeof text, "%-5u %-5u (%s)", unsigned(row["frequency_mhz"].get<double>()),
                      row["symbol_rate"].get<unsigned>(), Text(row["polarization"]).c_str());
        return text;
    }
    const Json& groups = row["groups"];
    const std::string favorite =
        groups.empty() ? "NoGroup" : groups[0].get<std::string>() + (groups.size() > 1 ? "..." : "");
    std::string line = Text(row["position"]) + '\t' + Text(row["name"]) + '\t' + Text(row["scramble"]) +
                       '\t' + Text(row["bouquet"]) + '\t' + favorite + '\t' + Text(row["audio"]) + '\t';
    if (list == "tv")
        line += Text(row["video_pid"]) + '\t';
    return line + Text(row["audio_pid"]) + '\t' + Text(row["pcr_pid"]) + '\t' + OnOff(row["lock"]) + '\t' +
           OnOff(row["skip"]);
}

// Import's and apply-order's report lines, made from the JSON report.
Lines ReportOf(const Json& report)
{
    Lines lines;
    if (report["encoding"] == "Windows-1252")
        lines.push_back("the list is not UTF-8 text: it was read as Windows-1252");
    const auto named = [&lines](const std::string& what, const Json& items, auto text) {
        lines.push_back(what + ": " + std::to_string(items.size()));
        for (const Json& item : items)
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
        named("unmatched", report["unmatched"], row);
        lines.push_back("added: " + Text(report["added"]));
        return lines;
    }
    const auto name = [](const Json& n) { return n.get<std::string>(); };
    named("groups created", report["groups_created"], name);
    named("groups without a free slot", report["groups_without_a_free_slot"], name);
    named("unmatched reference rows", report["unmatched_reference_rows"], row);
    named("channels not in the reference", report["channels_not_in_the_reference"],
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
    for (const std::string& line : Split(info.out, '\n')) {
        const std::string key = line.substr(0, line.find(": "));
        const Json& value = infoJson[key];
        EXPECT_EQ(line, key + ": " + (key == "groups" ? Joined(value, ',') : Text(value)));
    }
    EXPECT_EQ(infoJson.size(), Split(info.out, '\n').size());

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
        const Lines lines = Split(text.out, '\n');
        ASSERT_EQ(rows.size(), lines.size()) << args[1];
        for (std::size_t r = 0; r < lines.size(); ++r) {
            EXPECT_EQ(rows[r]["position"], r + 1);
            EXPECT_EQ(LineOf(args[1], rows[r]), Utf8(lines[r])) << args[1];
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
        EXPECT_EQ(findings, Split(text.out, '\n'));
    }

    const auto [ports, portsJson] = Both({"ports"});
    Lines portLines;
    for (const Json& port : portsJson) {
        PortDescription description;
        description.name = port["name"];
        description.path = port["device"];
        description.description = port["description"];
        if (const Json& usb = port["usb"]; !usb.is_null()) {
            description.usb = true;
            description.manufacturer = usb["manufacturer"];
            description.product = usb["product"];
            description.serialNumber = usb["serial_number"];
            description.vendorId =
                usb["vendor_id"].is_null() ? -1 : std::stoi(Text(usb["vendor_id"]), nullptr, 16);
            description.productId =
                usb["product_id"].is_null() ? -1 : std::stoi(Text(usb["product_id"]), nullptr, 16);
        }
        portLines.push_back(PortLine(description));
    }
    EXPECT_EQ(portLines, Split(ports.out, '\n'));

    // An import with a row that names no channel, from a list in the
    // Windows code page; then an order taken from that list and from an image.
    const std::string csv = m_cli.Path("list.csv");
    ASSERT_EQ(m_cli.Run({"export", m_demo, csv, "--separator", ";"}).status, 0);
    std::vector<std::uint8_t> list = CliRunner::Read(csv);
    const std::string row = "tv;1;Caf\xE9;;ASTRA 19.2E;10744,5;22000;H;1;2;3;FTA;STEREO;OFF;OFF;News\r\n";
    list.insert(list.end(), row.begin(), row.end());
    CliRunner::Write(csv, list);
    const auto [imported, importJson] = Both({"import", m_demo, csv, m_cli.Path("out.dat")});
    EXPECT_EQ(importJson["encoding"], "Windows-1252");
    EXPECT_EQ(ReportOf(importJson), Split(imported.err, '\n'));
    EXPECT_NE(imported.err.find("Caf\xC3\xA9,,ASTRA 19.2E,10744.5,"), std::string::npos) << imported.err;
    ASSERT_EQ(m_cli.Run({"edit", m_demo, m_cli.Path("moved.dat"), "move-channels", "tv", "-1", "0,1"}).status,
              0);
    for (const std::string& reference : {csv, m_demo}) {
        const auto [ordered, orderJson] =
            Both({"apply-order", m_cli.Path("moved.dat"), reference, m_cli.Path("out.dat")});
        EXPECT_EQ(orderJson["encoding"], reference == csv ? Json("Windows-1252") : Json());
        EXPECT_EQ(ReportOf(orderJson), Split(ordered.err, '\n'));
    }
}

TEST_F(ListForms, AnExportInEachSeparatorImportsBackUnchanged)
{
    const std::string converted = m_cli.Path("converted.dat");
    ASSERT_EQ(m_cli.Run({"convert", m_demo, converted}).status, 0);
    std::string comma;
    for (const char* separator : {",", ";", "tab"}) {
        const std::string csv = m_cli.Path("list.csv");
        ASSERT_EQ(m_cli.Run({"export", m_demo, csv, "--separator", separator}).status, 0);
        const std::vector<std::uint8_t> bytes = CliRunner::Read(csv);
        const std::string text(bytes.begin(), bytes.end());
        const char expected = separator[0] == 't' ? '\t' : separator[0];
        EXPECT_EQ(text.substr(0, 14), std::string("list") + expected + "position" + expected);
        if (comma.empty())
            comma = text;
        EXPECT_EQ(text.size(), comma.size());
        ASSERT_EQ(m_cli.Run({"import", m_demo, csv, m_cli.Path("out.dat")}).status, 0);
        EXPECT_EQ(CliRunner::Read(m_cli.Path("out.dat")), CliRunner::Read(converted)) << separator;
    }
    EXPECT_EQ(m_cli.Run({"export", m_demo, m_cli.Path("x.csv"), "--separator", "|"}).status, 2);
    EXPECT_EQ(m_cli.Run({"export", m_demo, m_cli.Path("x.csv"), "--separator"}).status, 2);
    EXPECT_EQ(m_cli.Run({"convert", m_demo, m_cli.Path("x.dat"), "--json"}).status, 2);
}
