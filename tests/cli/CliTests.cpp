// volmaren-cli end to end: exit statuses, messages, files left alone on a
// refusal, round trips, and a realistic edit script.
#include "CliRunner.h"
#include "ImageCheck.h"
#include "ImageDocument.h"
#include "RecordRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace {

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_demo = m_cli.Path("demo.dat");
        ASSERT_EQ(m_cli.Run({"demo", m_demo}).status, 0);
    }

    // Runs an edit of the demo image into out.dat.
    CliResult Edit(const std::vector<std::string>& operations)
    {
        std::vector<std::string> args{"edit", m_demo, Out()};
        args.insert(args.end(), operations.begin(), operations.end());
        return m_cli.Run(args);
    }

    std::string Out() const { return m_cli.Path("out.dat"); }
    bool OutWritten() const { return std::filesystem::exists(Out()); }

    void ExpectRefused(const std::vector<std::string>& operations, const std::string& message)
    {
        const CliResult result = Edit(operations);
        EXPECT_EQ(result.status, 1) << operations[0];
        EXPECT_EQ(result.err, message + "\n");
        EXPECT_FALSE(OutWritten());
    }

    void ExpectUsageError(const std::vector<std::string>& operations)
    {
        const CliResult result = Edit(operations);
        EXPECT_EQ(result.status, 2) << operations[0];
        EXPECT_FALSE(result.err.empty());
        EXPECT_FALSE(OutWritten());
    }

    CliRunner m_cli;
    std::string m_demo;
};

}  // namespace

TEST_F(Cli, HelpDocumentsEveryCommandAndOperation)
{
    const CliResult help = m_cli.Run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"info",
                             "list",
                             "convert",
                             "edit",
                             "demo",
                             "--full",
                             "delete-satellites",
                             "delete-transponders",
                             "delete-channels",
                             "move-channels",
                             "swap-channels",
                             "add-satellite",
                             "add-transponder",
                             "add-channel",
                             "update-context",
                             "--satellite",
                             "--transponder",
                             "export",
                             "import",
                             "--add",
                             "apply-order",
                             "check",
                             "--repair",
                             "Exit status"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    for (const char* word :
         {"sort-channels", "--descending", "set-flags", "groups=", "--json", "--separator", "diff"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;

    EXPECT_EQ(m_cli.Run({}).status, 2);
    EXPECT_EQ(m_cli.Run({"frobnicate"}).status, 2);
    EXPECT_EQ(m_cli.Run({"info"}).status, 2);
    EXPECT_EQ(m_cli.Run({"list", "bananas", m_demo}).status, 2);
    EXPECT_EQ(m_cli.Run({"list", "transponders", m_demo, "--transponder", "0"}).status, 2);
    EXPECT_EQ(m_cli.Run({"list", "tv", m_demo, "--satellite", "0", "--transponder", "0"}).status, 2);
    EXPECT_EQ(m_cli.Run({"demo", Out(), "--fill"}).status, 2);
}

TEST_F(Cli, InfoPrintsTheSummaryInItsOrder)
{
    const CliResult info = m_cli.Run({"info", m_demo});
    ASSERT_EQ(info.status, 0) << info.err;
    Lines keys;
    for (const std::string& line : SplitLines(info.out))
        keys.push_back(line.substr(0, line.find(':')));
    EXPECT_EQ(keys, (Lines{"variant", "satellites", "transponders", "tv", "radio", "groups", "menu-language",
                           "list-mode", "current-satellite", "current-group", "service-type"}));
    EXPECT_NE(info.out.find("variant: 2\n"), std::string::npos);
    EXPECT_NE(info.out.find("groups: News,Movies,Music\n"), std::string::npos);
    EXPECT_NE(info.out.find("menu-language: English\n"), std::string::npos);

    const CliResult full = m_cli.Run({"demo", Out(), "--full"});
    ASSERT_EQ(full.status, 0);
    const CliResult fullInfo = m_cli.Run({"info", Out()});
    for (const char* line : {"satellites: 300\n", "transponders: 4000\n", "tv: 4467\n", "radio: 1489\n"})
        EXPECT_NE(fullInfo.out.find(line), std::string::npos) << line;
}

TEST_F(Cli, FilesThatAreNoImagesAreRefusedAndMissingFilesAreIoErrors)
{
    CliRunner::Write(Out(), std::vector<std::uint8_t>(0xA0801, 0x5A));
    const CliResult wrongLength = m_cli.Run({"info", Out()});
    EXPECT_EQ(wrongLength.status, 1);
    EXPECT_EQ(wrongLength.err, "File is not STB Data image.\n");

    std::vector<std::uint8_t> unmarked = CliRunner::Read(m_demo);
    unmarked[0xA0000] = 0;
    CliRunner::Write(Out(), unmarked);
    EXPECT_EQ(m_cli.Run({"list", "tv", Out()}).status, 1);

    const CliResult missing = m_cli.Run({"info", m_cli.Path("missing.dat")});
    EXPECT_EQ(missing.status, 4);
    EXPECT_NE(missing.err.find("missing.dat"), std::string::npos);
    EXPECT_EQ(m_cli.Run({"convert", m_demo, m_cli.Path("no-such-folder/out.dat")}).status, 4);
}

TEST_F(Cli, AFileReplacedInPlaceIsKeptAsItsBackupUnlessToldNot)
{
    const std::vector<std::uint8_t> original = CliRunner::Read(m_demo);
    ASSERT_EQ(m_cli.Run({"edit", m_demo, m_demo, "delete-channels", "tv", "0"}).status, 0);
    EXPECT_EQ(CliRunner::Read(m_demo + ".bak"), original);
    const std::vector<std::uint8_t> edited = CliRunner::Read(m_demo);
    EXPECT_NE(edited, original);

    ASSERT_EQ(m_cli.Run({"convert", "--no-backup", m_demo, Out()}).status, 0);
    ASSERT_EQ(m_cli.Run({"demo", Out(), "--no-backup"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(Out() + ".bak"));
    EXPECT_EQ(CliRunner::Read(m_demo + ".bak"), original);
    EXPECT_EQ(m_cli.Run({"info", m_demo, "--no-backup"}).status, 2);
}

TEST_F(Cli, ConvertWritesWhatOpenAndSaveMake)
{
    ASSERT_EQ(m_cli.Run({"convert", m_demo, Out()}).status, 0);
    const auto once = CliRunner::Read(Out());
    auto expected = CliRunner::Read(m_demo);
    std::fill(expected.begin() + 0x10000, expected.begin() + 0x30000, 0);  // bouquets are not read
    EXPECT_EQ(once, expected);

    std::vector<std::uint8_t> small(once.begin() + 0x40000, once.end());
    CliRunner::Write(m_cli.Path("small.dat"), small);
    ASSERT_EQ(m_cli.Run({"convert", m_cli.Path("small.dat"), m_cli.Path("again.dat")}).status, 0);
    EXPECT_EQ(m_cli.Run({"info", m_cli.Path("small.dat")}).out.substr(0, 11), "variant: 1\n");
    auto fromSmall = CliRunner::Read(m_cli.Path("again.dat"));
    std::fill(fromSmall.begin(), fromSmall.begin() + 0x10000, 0xFF);
    auto onceWithErasedLead = once;
    std::fill(onceWithErasedLead.begin(), onceWithErasedLead.begin() + 0x10000, 0xFF);
    EXPECT_EQ(fromSmall, onceWithErasedLead);
}

TEST_F(Cli, ListShowsTheFormsRows)
{
    const Lines satellites = SplitLines(m_cli.Run({"list", "satellites", m_demo}).out);
    ASSERT_GE(satellites.size(), 5u);
    EXPECT_EQ(satellites[0], "ASTRA 19.2E");

    const Lines transponders =
        SplitLines(m_cli.Run({"list", "transponders", m_demo, "--satellite", "7"}).out);
    ASSERT_GE(transponders.size(), 2u);
    EXPECT_EQ(transponders[1], "3840  4340  (V)");

    const Lines channels = SplitLines(m_cli.Run({"list", "tv", m_demo, "--satellite", "1"}).out);
    ASSERT_FALSE(channels.empty());
    EXPECT_EQ(channels[0].substr(0, 2), "1\t");
    EXPECT_EQ(std::count(channels[0].begin(), channels[0].end(), '\t'), 10);
    const Lines radio = SplitLines(m_cli.Run({"list", "radio", m_demo, "--transponder", "0"}).out);
    for (const std::string& row : radio)
        EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 9);

    EXPECT_EQ(SplitLines(m_cli.Run({"list", "groups", m_demo}).out)[1].substr(0, 9), "1\tMovies\t");
    EXPECT_EQ(m_cli.Run({"list", "tv", m_demo, "--satellite", "8"}).status, 2);
    EXPECT_EQ(m_cli.Run({"list", "tv", m_demo, "--transponder", "x"}).status, 2);
}

TEST_F(Cli, RefusedOrWrongOperationsWriteNothing)
{
    ExpectRefused({"add-satellite", ""}, "Satellite name is empty.");
    ExpectRefused({"add-transponder", "0", "11000", "0", "H"}, "Transponder information is empty");
    ExpectRefused({"add-transponder", "0", "11000", "65536", "H"}, "Please enter a number from 0 to 65535.");
    ExpectRefused({"add-transponder", "0", "", "27500", "V"}, "Please enter a positive integer.");
    ExpectRefused({"add-channel", "tv", "0", "News", "0", "102", "101"}, "Channel Information is empty.");
    ExpectRefused({"add-channel", "tv", "0", "News", "101", "x", "101"}, "Please enter a positive integer.");
    ExpectRefused({"add-channel", "radio", "0", "News", "0", "102", "70000"},
                  "Please enter a number from 0 to 65535.");
    // The first operation succeeds; the refusal of the second still keeps OUT unwritten.
    ExpectRefused({"update-context", "add-satellite", ""}, "Satellite name is empty.");

    ExpectUsageError({"delete-satellites", "0,8"});
    ExpectUsageError({"delete-transponders", "1,,2"});
    ExpectUsageError({"delete-channels", "tv", "320"});
    ExpectUsageError({"delete-channels", "cable", "1"});
    ExpectUsageError({"move-channels", "tv", "320", "1"});
    ExpectUsageError({"move-channels", "tv", "-1", "3,3"});
    ExpectUsageError({"swap-channels", "radio", "0", "96"});
    ExpectUsageError({"add-transponder", "8", "11000", "27500", "H"});
    ExpectUsageError({"add-transponder", "0", "11000", "27500", "L"});
    ExpectUsageError({"add-channel", "tv", "136", "News", "1", "2", "3"});
    ExpectUsageError({"add-channel", "tv", "0", "ThirteenChars", "1", "2", "3"});
    ExpectUsageError({"add-satellite"});
    ExpectUsageError({"launch-rocket"});

    CliRunner::Write(Out(), {1, 2, 3});
    EXPECT_EQ(Edit({"delete-satellites", "99"}).status, 2);
    EXPECT_EQ(CliRunner::Read(Out()), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(Cli, LimitsAreRefusedWithTheEditorsMessages)
{
    const std::string full = m_cli.Path("full.dat");
    ASSERT_EQ(m_cli.Run({"demo", full, "--full"}).status, 0);
    const auto refused = [&](std::vector<std::string> operations, const std::string& message) {
        operations.insert(operations.begin(), {"edit", full, Out()});
        const CliResult result = m_cli.Run(operations);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, message + "\n");
    };
    refused({"add-satellite", "ONE MORE"}, "Satellite Count is full.");
    refused({"add-transponder", "0", "11000", "27500", "H"},
            "Maximum number of 4000 Transponders can be Saved.");
    refused({"add-channel", "tv", "0", "One more", "1", "2", "3"}, "TV Channel is full");
    refused({"add-channel", "radio", "0", "One more", "0", "2", "3"}, "Radio Channel is full");
    EXPECT_FALSE(OutWritten());

    ASSERT_EQ(m_cli
                  .Run({"edit", full, Out(), "delete-channels", "tv", "0", "add-channel", "tv", "0", "Last",
                        "1", "2", "3", "Bq"})
                  .status,
              0);
    EXPECT_NE(m_cli.Run({"info", Out()}).out.find("tv: 4467\n"), std::string::npos);
}

TEST_F(Cli, AnEditScriptMakesTheBytesTheEditorWould)
{
    const CliResult result = Edit({
        "add-satellite",
        "EUTELSAT 9E",
        "add-transponder",
        "8",
        "11727",
        "27500",
        "V",
        "add-transponder",
        "8",
        "11747",
        "27500",
        "H",
        "add-channel",
        "tv",
        "136",
        "Nova Cinema",
        "1001",
        "1002",
        "1001",
        "My Bouquet",
        "add-channel",
        "radio",
        "137",
        "Radio Nine",
        "0",
        "2002",
        "2002",
        "add-channel",
        "tv",
        "137",
        "Second",
        "1011",
        "1012",
        "1011",
        "move-channels",
        "tv",
        "0",
        "320,321",
        "swap-channels",
        "tv",
        "0",
        "1",
        "delete-channels",
        "tv",
        "5,2,2",
        "delete-transponders",
        "0,136",
        "delete-satellites",
        "3",
        "update-context",
    });
    ASSERT_EQ(result.status, 0) << result.err;

    CImageDocument document;
    std::string error;
    ASSERT_EQ(document.LoadFile(Out(), error), CImageDocument::Load::Loaded);
    const CChannelDatabase& db = document.m_database;
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
    EXPECT_EQ(db.GetSatelliteCount(), 8);
    SatelliteRecord added;
    db.GetSatellite(added, 7);
    EXPECT_STREQ(added.name, "EUTELSAT 9E");
    EXPECT_EQ(added.index, 7);

    // Moved to the top, then swapped; transponder 136 (with "Nova Cinema") is gone.
    ChannelRecord first;
    db.GetChannel(first, 0, kTv);
    EXPECT_STREQ(first.name, "Second");
    Rules::ChannelChoices choices;
    choices.name = "Second";
    choices.videoPid = 1011;
    choices.audioPid = 1012;
    choices.pcrPid = 1011;
    ChannelRecord expected{};
    BouquetEntry bouquet{};
    TransponderRecord transponder;
    db.GetTransponder(transponder, first.transponderIndex);
    EXPECT_EQ(transponder.frequency, 11747000u);
    Rules::WriteAddedChannel(expected, bouquet, choices, first.transponderIndex, kTv);
    expected.favoriteMask = first.favoriteMask;
    EXPECT_EQ(std::memcmp(&expected, &first, sizeof first), 0);

    const CliResult list = m_cli.Run({"list", "tv", Out(), "--satellite", "7"});
    ASSERT_EQ(list.status, 0);
    EXPECT_EQ(list.out.substr(0, 9), "1\tSecond\t");
    const CliResult radio = m_cli.Run({"list", "radio", Out(), "--satellite", "7"});
    EXPECT_EQ(radio.out.substr(0, 13), "1\tRadio Nine\t");
}

TEST_F(Cli, SortChannelsAndSetFlagsChangeOnlyTheirChannels)
{
    const auto cells = [&](const std::vector<std::string>& list) {
        std::vector<Lines> rows;
        for (const std::string& line : SplitLines(m_cli.Run(list).out)) {
            rows.emplace_back();
            for (std::size_t at = 0, tab; at <= line.size(); at = tab + 1) {
                tab = std::min(line.find('\t', at), line.size());
                rows.back().push_back(line.substr(at, tab - at));
            }
        }
        return rows;
    };
    const auto upper = [](std::string text) {
        for (char& c : text)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        return text;
    };

    ASSERT_EQ(Edit({"sort-channels", "tv", "name", "--satellite", "1", "--descending"}).status, 0);
    const auto before = cells({"list", "tv", m_demo, "--satellite", "1"});
    const auto sorted = cells({"list", "tv", Out(), "--satellite", "1"});
    ASSERT_EQ(sorted.size(), before.size());
    Lines names, sortedNames;
    for (std::size_t r = 0; r < sorted.size(); ++r) {
        names.push_back(before[r][1]);
        sortedNames.push_back(sorted[r][1]);
        if (r > 0) {
            EXPECT_GE(upper(sorted[r - 1][1]), upper(sorted[r][1]));
        }
    }
    EXPECT_TRUE(std::is_permutation(names.begin(), names.end(), sortedNames.begin()));
    EXPECT_EQ(cells({"list", "tv", Out(), "--satellite", "0"}),
              cells({"list", "tv", m_demo, "--satellite", "0"}));

    ASSERT_EQ(Edit({"set-flags", "radio", "0,2", "skip=on", "audio=right", "groups=1"}).status, 0);
    const auto radio = cells({"list", "radio", m_demo});
    const auto flagged = cells({"list", "radio", Out()});
    ASSERT_EQ(flagged.size(), radio.size());
    for (std::size_t r = 0; r < radio.size(); ++r) {
        Lines expected = radio[r];
        if (r == 0 || r == 2) {
            expected[4] = "Movies";
            expected[5] = "RIGHT";
            expected[9] = "ON";
        }
        EXPECT_EQ(flagged[r], expected) << "row " << r;
    }
    EXPECT_EQ(SplitLines(m_cli.Run({"list", "groups", Out()}).out)[1], "1\tMovies\t29\t2");

    std::filesystem::remove(Out());
    ExpectUsageError({"sort-channels", "tv", "colour"});
    ExpectUsageError({"sort-channels", "tv", "name", "--satellite", "0", "--transponder", "0"});
    ExpectUsageError({"sort-channels", "radio", "fta", "--transponder", "999"});
    ExpectUsageError({"set-flags", "tv", "0", "volume=11"});
    ExpectUsageError({"set-flags", "tv", "0", "lock=maybe"});
    ExpectUsageError({"set-flags", "tv", "0", "skip=on", "skip=off"});
    ExpectUsageError({"set-flags", "tv", "0", "groups=7"});
}

TEST_F(Cli, DemoImagesAreDeterministic)
{
    ASSERT_EQ(m_cli.Run({"demo", Out()}).status, 0);
    EXPECT_EQ(CliRunner::Read(Out()), CliRunner::Read(m_demo));
    EXPECT_EQ(CliRunner::Read(Out()).size(), 0xA0800u);
}

TEST_F(Cli, ChannelListsGoOutAndInAndTheCheckRepairs)
{
    const std::string csv = m_cli.Path("list.csv"), converted = m_cli.Path("converted.dat");
    auto text = [](const std::string& path) {
        const std::vector<std::uint8_t> bytes = CliRunner::Read(path);
        return std::string(bytes.begin(), bytes.end());
    };
    auto write = [](const std::string& path, const std::string& content) {
        CliRunner::Write(path, std::vector<std::uint8_t>(content.begin(), content.end()));
    };
    ASSERT_EQ(m_cli.Run({"convert", m_demo, converted}).status, 0);
    const CliResult exported = m_cli.Run({"export", m_demo, csv});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "exported: 320 tv, 96 radio\n");
    EXPECT_EQ(text(csv).substr(0, 5), "list,");

    // Into the image it came from: the bytes an open and a save make.
    const CliResult same = m_cli.Run({"import", m_demo, csv, Out()});
    ASSERT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(CliRunner::Read(Out()), CliRunner::Read(converted));
    EXPECT_EQ(same.err, "matched: 416\nmoved: 0\nrenamed: 0\nunmatched: 0\nadded: 0\n");

    // A row that names no channel is reported, and added only when asked.
    const std::string row = "tv,1,Nowhere,,ASTRA 19.2E,10744,22000,H,1,2,3,FTA,STEREO,OFF,OFF,News";
    write(csv, text(csv) + row + "\r\n");
    const CliResult unmatched = m_cli.Run({"import", m_demo, csv, Out()});
    EXPECT_EQ(unmatched.status, 0);
    EXPECT_NE(unmatched.err.find("unmatched: 1\n  line 418: " + row + "\nadded: 0\n"), std::string::npos)
        << unmatched.err;
    write(csv, text(csv) + row + "\r\n");  // the second names the channel the first adds
    const CliResult added = m_cli.Run({"import", m_demo, csv, Out(), "--add"});
    EXPECT_EQ(added.status, 0);
    EXPECT_NE(
        added.err.find("unmatched: 1\n  line 419: " + row + " (its channel is there already)\nadded: 1\n"),
        std::string::npos)
        << added.err;
    const std::string list = m_cli.Run({"list", "tv", Out()}).out;
    EXPECT_EQ(list.substr(0, 12), "1\tDas Erste\t");
    EXPECT_NE(list.find("\n2\tNowhere\tFTA\t\tNews\t"), std::string::npos);

    // A malformed row refuses the whole import.
    std::filesystem::remove(Out());
    write(csv, text(csv) + "tv,x" + row.substr(4) + "\r\n");
    const CliResult refused = m_cli.Run({"import", m_demo, csv, Out()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, csv + ": line 420: position 'x' is not a number from 1 to 4294967295\n");
    EXPECT_FALSE(OutWritten());

    // The demo image's order and groups come back from it, as an image or as its list.
    ASSERT_EQ(
        m_cli.Run({"edit", m_demo, m_cli.Path("moved.dat"), "move-channels", "tv", "-1", "0,1,2"}).status, 0);
    for (const std::string& reference : {m_demo, m_cli.Path("demo.csv")}) {
        ASSERT_EQ(m_cli.Run({"export", m_demo, m_cli.Path("demo.csv")}).status, 0);
        const CliResult ordered = m_cli.Run({"apply-order", m_cli.Path("moved.dat"), reference, Out()});
        ASSERT_EQ(ordered.status, 0) << ordered.err;
        EXPECT_EQ(ordered.err.substr(0, 24), "matched: 416\nmoved: 320\n");
        EXPECT_EQ(CliRunner::Read(Out()), CliRunner::Read(converted));
    }

    // The check: a clean image, then one with a channel that names no transponder.
    const CliResult clean = m_cli.Run({"check", m_demo});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");
    std::vector<std::uint8_t> broken = CliRunner::Read(converted);
    broken[0x40000 + 44 * 5] = 0xFF;
    CliRunner::Write(m_cli.Path("broken.dat"), broken);
    const CliResult findings = m_cli.Run({"check", m_cli.Path("broken.dat")});
    EXPECT_EQ(findings.status, 1);
    EXPECT_EQ(SplitLines(findings.out).front(), "tv channel 5: names transponder 255, which does not exist");
    const CliResult repaired = m_cli.Run({"check", m_cli.Path("broken.dat"), "--repair", Out()});
    EXPECT_EQ(repaired.status, 0);
    EXPECT_EQ(repaired.out, findings.out);
    EXPECT_EQ(m_cli.Run({"check", Out()}).status, 0);
    EXPECT_EQ(m_cli.Run({"info", Out()}).out.find("tv: 319\n") != std::string::npos, true);
}
