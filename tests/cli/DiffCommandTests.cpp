// volmaren-cli diff: its exit statuses, and its JSON document against its
// lines.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <map>
#include <sstream>

namespace {

// How many lines each "table: class" prefix starts.
std::map<std::string, int> CountLines(const std::string& text, std::string& last)
{
    std::map<std::string, int> counts;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line); last = line) {
        const std::size_t colon = line.find(": ");
        ++counts[line.substr(0, line.find(' ', colon + 2))];
    }
    return counts;
}

}  // namespace

TEST(DiffCommand, ExitsByWhatDiffersAndItsJsonSaysWhatItsLinesSay)
{
    CliRunner cli;
    const std::string a = cli.Path("a.dat"), b = cli.Path("b.dat"), list = cli.Path("b.csv");
    ASSERT_EQ(cli.Run({"demo", a}).status, 0);
    const CliResult same = cli.Run({"diff", a, a});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "differences: 0\n");

    ASSERT_EQ(cli.Run({"edit",
                       a,
                       b,
                       "move-channels",
                       "tv",
                       "0",
                       "299",
                       "delete-channels",
                       "radio",
                       "3",
                       "add-satellite",
                       "NEW",
                       "add-transponder",
                       "8",
                       "11727",
                       "27500",
                       "V",
                       "add-channel",
                       "tv",
                       "136",
                       "Nova",
                       "1001",
                       "1002",
                       "1001",
                       "set-flags",
                       "tv",
                       "5",
                       "lock=on",
                       "audio=left",
                       "delete-transponders",
                       "12"})
                  .status,
              0);
    const CliResult text = cli.Run({"diff", a, b});
    const CliResult json = cli.Run({"diff", "--json", a, b});
    EXPECT_EQ(text.status, 1);
    ASSERT_EQ(json.status, 1);
    std::string last;
    const std::map<std::string, int> lines = CountLines(text.out, last);

    const nlohmann::json document = nlohmann::json::parse(json.out);
    EXPECT_FALSE(document["same"]);
    std::map<std::string, int> entries;
    int total = 0;
    for (const char* table : {"satellites", "transponders", "tv", "radio"}) {
        for (const auto& [change, array] : document[table].items()) {
            if (!array.empty())
                entries[std::string(table) + ": " + change] = int(array.size());
            total += int(array.size());
        }
    }
    entries["differences: " + std::to_string(total)] = 1;
    EXPECT_EQ(lines, entries);
    EXPECT_TRUE(document["groups"].empty() && document["system"].empty());
    EXPECT_EQ(document["tv"]["moved"], nlohmann::json::parse(R"([{"name": "NTV 4", "from": 300, "to": 1}])"));
    EXPECT_NE(text.out.find("\ntv: moved \"NTV 4\" 300 -> 1\n"), std::string::npos);
    EXPECT_EQ(last, "differences: " + std::to_string(total));

    // A channel list compares channels only.
    ASSERT_EQ(cli.Run({"export", b, list}).status, 0);
    const CliResult channels = cli.Run({"diff", a, list, "--json"});
    EXPECT_EQ(channels.status, 1);
    EXPECT_EQ(nlohmann::json::parse(channels.out)["tv"], document["tv"]);

    EXPECT_EQ(cli.Run({"diff", a}).status, 2);
    EXPECT_EQ(cli.Run({"diff", a, b, "--no-backup"}).status, 2);
    EXPECT_EQ(cli.Run({"diff", a, cli.Path("missing.dat")}).status, 4);
    EXPECT_EQ(cli.Run({"diff", list, a}).status, 4);
    CliRunner::Write(list, {'n', 'o'});
    EXPECT_EQ(cli.Run({"diff", a, list}).status, 4);
}
