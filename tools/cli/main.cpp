// volmaren-cli COMMAND ARGS...: dispatches to the command's function.
#include "Commands.h"
#include "ImageIo.h"

#include <algorithm>

#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    int (*run)(Arguments args);
    // Writes a file, keeping the one it replaces unless --no-backup is given.
    bool writesFile;
};

constexpr Command kCommands[] = {
    {"info", RunInfo, false},
    {"list", RunList, false},
    {"convert", RunConvert, true},
    {"edit", RunEdit, true},
    {"demo", RunDemo, true},
    {"upload", RunUpload, true},
    {"download", RunDownload, false},
    {"ports", RunPorts, false},
    {"export", RunExport, true},
    {"import", RunImport, true},
    {"apply-order", RunApplyOrder, true},
    {"check", RunCheck, true},
    {"diff", RunDiff, false},
};

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
        if (command.writesFile) {
            const auto option = std::find(rest.begin(), rest.end(), "--no-backup");
            if (option != rest.end()) {
                KeepBackups(false);
                rest.erase(option);
            }
        }
        return command.run(rest);
    }
    return Report(UsageError("unknown command '" + args[0] + "'; see volmaren-cli --help"));
}
