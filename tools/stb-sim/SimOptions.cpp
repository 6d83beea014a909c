#include "SimOptions.h"

#include "SystemCode.h"

#include <cstdlib>

const char* const kSimUsage =
    "usage: stb-sim [--image FILE] [--code DDDD] [--rate N] [--received FILE] [--noise] [--repeat]\n"
    "Plays a receiver on a pseudo-terminal whose path is the first line printed.\n"
    "  --image FILE     image an upload sends; 0x60800 bytes: small receiver,\n"
    "                   0xA0800 bytes: large receiver (default: large, no upload)\n"
    "  --code DDDD      the only system code accepted, as typed in the CODE box\n"
    "                   (default: every code)\n"
    "  --rate N         bytes per second sent and read; 11520 is a real line\n"
    "  --received FILE  where a downloaded image is stored, in the receiver's layout\n"
    "  --noise          stray bytes before SYNC and between REPLY_LARGE and ACK\n"
    "  --repeat         serve one transfer after another until killed\n";

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--noise") {
            options.noise = true;
        } else if (arg == "--repeat") {
            options.repeat = true;
        } else if (arg == "--image" && hasValue) {
            options.imagePath = argv[++i];
        } else if (arg == "--received" && hasValue) {
            options.receivedPath = argv[++i];
        } else if (arg == "--code" && hasValue) {
            const std::string code = argv[++i];
            if (!CSystemCode::IsTypedCode(code)) {
                error = "--code takes four digits";
                return false;
            }
            options.code = CSystemCode::ParseText(code);
        } else if (arg == "--rate" && hasValue) {
            char* end = nullptr;
            options.rate = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || options.rate < 0) {
                error = "--rate takes a number of bytes per second";
                return false;
            }
        } else {
            error = "unknown or incomplete option: " + arg;
            return false;
        }
    }
    return true;
}
