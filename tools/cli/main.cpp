// volmaren-cli COMMAND ARGS...: dispatches to the command's function.
#include "Commands.h"
#include "ImageIo.h"
#include "JsonOutput.h"

#include <algorithm>

#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    int (*run)(Arguments args);
    // Writes a file, keeping the one it replaces unless --no-backup is given.
    bool writesFile;
    // Prints one JSON document in place of its text when --json is given.
    bool printsJson;
};

constexpr Command kCommands[] = {
    {"info", RunInfo, false, true},
    {"list", RunList, false, true},
    {"convert", RunConvert, true, false},
    {"edit", RunEdit, true, false},
    {"demo", RunDemo, true, false},
    {"upload", RunUpload, true, false},
    {"download", RunDownload, false, false},
    {"ports", RunPorts, false, true},
    {"export", RunExport, true, false},
    {"import", RunImport, true, true},
    {"apply-order", RunApplyOrder, true, true},
    {"check", RunCheck, true, true},
    {"sources", RunSources, false, false},
    {"transponders", RunTransponders, true, false},
    {"export-transponders", RunExportTransponders, true, false},
    {"diff", RunDiff, false, false},
};

// Takes `option` out of the arguments, wherever it stands; true when it was there.
bool TakeOption(std::vector<std::string>& args, const char* option)
{
    const auto found = std::find(args.begin(), args.end(), option);
    if (found == args.end())
        return false;
    args.erase(found);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Report(UsageError("no command given; see volmaren-cli --help"));
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage();
        return Exit::kOk;
    }
    for (const Command& command : kCommands) {
        if (args[0] != command.name)
            continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (command.writesFile && TakeOption(rest, "--no-backup"))
            KeepBackups(false);
        if (command.printsJson)
            PrintJsonInstead(TakeOption(rest, "--json"));
        return command.run(rest);
    }
    return Report(UsageError("unknown command '" + args[0] + "'; see volmaren-cli --help"));
}
