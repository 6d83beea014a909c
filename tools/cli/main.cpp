// volmaren-cli COMMAND ARGS...: dispatches to the command's function.
#include "Commands.h"

#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    int (*run)(Arguments args);
};

constexpr Command kCommands[] = {
    {"info", RunInfo}, {"list", RunList},     {"convert", RunConvert},   {"edit", RunEdit},
    {"demo", RunDemo}, {"upload", RunUpload}, {"download", RunDownload}, {"ports", RunPorts},
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
        if (args[0] == command.name)
            return command.run(Arguments(args).subspan(1));
    }
    return Report(UsageError("unknown command '" + args[0] + "'; see volmaren-cli --help"));
}
