// volmaren-cli's transponder list commands end to end: an image's own export
// changes nothing, a dvbv5 file updates a satellite, and the refusals.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The text's beginning, as long as `start`.
std::string Start(const std::string& text, const std::string& start)
{
    return text.substr(0, start.size());
}

}  // namespace

TEST(TransponderCommands, ListsUpdateSatellitesAndOurOwnExportChangesNothing)
{
    const CliRunner cli;
    const std::string demo = cli.Path("demo.dat"), out = cli.Path("out.dat"), xml = cli.Path("ours.xml");
    ASSERT_EQ(cli.Run({"demo", demo}).status, 0);
    ASSERT_EQ(cli.Run({"convert", demo, cli.Path("converted.dat")}).status, 0);

    ASSERT_EQ(cli.Run({"edit", demo, cli.Path("more.dat"), "add-satellite", "NOWHERE"}).status, 0);
    const CliResult exported = cli.Run({"export-transponders", cli.Path("more.dat"), xml});
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.err, "exported: 8 satellites, 136 transponders\n"
                            "left out: NOWHERE (its name gives no position)\n");
    const std::string sources = "19.2E\tASTRA 19.2E\t32\n13.0E\tHOTBIRD 13E\t27\n";
    EXPECT_EQ(Start(cli.Run({"sources", xml}).out, sources), sources);

    const CliResult same = cli.Run({"transponders", demo, xml, out, "--satellite", "0", "--source", "19.2E"});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.err, "added: 0\nupdated: 0\nunchanged: 32\nnot-in-list: 0\nremoved: 0\nskipped: 0\n");
    EXPECT_EQ(CliRunner::Read(out), CliRunner::Read(cli.Path("converted.dat")));

    // A dvbv5 file: the position from its name; the DVB-S2 one keeps ours.
    const std::string dvb = cli.Path("Astra-19.2E");
    const std::string blocks =
        "[A]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 10744000\nPOLARIZATION = HORIZONTAL\n"
        "SYMBOL_RATE = 22000000\n[B]\nDELIVERY_SYSTEM = DVBS2\nFREQUENCY = 10773000\n"
        "POLARIZATION = HORIZONTAL\nSYMBOL_RATE = 23000000\n[C]\nDELIVERY_SYSTEM = DVBS\n"
        "FREQUENCY = 11000500\nPOLARIZATION = LEFT\nSYMBOL_RATE = 27500000\n";
    CliRunner::Write(dvb, std::vector<std::uint8_t>(blocks.begin(), blocks.end()));
    const CliResult updated = cli.Run({"transponders", demo, dvb, out, "--satellite", "0", "--source",
                                       "19.2E", "--remove-missing", "--json"});
    EXPECT_EQ(updated.status, 0);
    EXPECT_EQ(updated.err, "");
    const std::string json = "{\n  \"added\": 1,\n  \"updated\": 0,\n  \"unchanged\": 1,\n"
                             "  \"not-in-list\": 30,\n  \"removed\": 30,\n  \"removed-channels\": [\n"
                             "    {\n      \"list\": \"tv\",\n      \"name\": \"VOX\"\n";
    EXPECT_EQ(Start(updated.out, json), json);
    EXPECT_EQ(updated.out.substr(updated.out.size() - 17), "  \"skipped\": 1\n}\n");
    EXPECT_EQ(cli.Run({"list", "transponders", out, "--satellite", "0"}).out,
              "10744 22000 (H)\n10773 22000 (H)\n11000 27500 (H)\n");
    EXPECT_TRUE(std::filesystem::exists(out + ".bak"));

    // Refusals write nothing.
    std::filesystem::remove(out);
    const CliResult unknown =
        cli.Run({"transponders", demo, dvb, out, "--satellite", "0", "--source", "13E"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, dvb + ": no satellite at or named '13E'\n");
    const std::string broken = "<satellites>\n<sat name=\"A\"/>\n</satellites>\n";
    CliRunner::Write(xml, std::vector<std::uint8_t>(broken.begin(), broken.end()));
    const CliResult malformed =
        cli.Run({"transponders", demo, xml, out, "--satellite", "0", "--source", "A"});
    EXPECT_EQ(malformed.status, 1);
    EXPECT_EQ(malformed.err, xml + ": line 2: <sat> has no position attribute\n");
    EXPECT_EQ(cli.Run({"transponders", demo, dvb, out, "--satellite", "8", "--source", "19.2E"}).status, 2);
    EXPECT_EQ(cli.Run({"transponders", demo, dvb, out, "--source", "19.2E"}).status, 2);
    EXPECT_EQ(cli.Run({"sources", cli.Path("missing.xml")}).status, 4);
    EXPECT_FALSE(std::filesystem::exists(out));
}
