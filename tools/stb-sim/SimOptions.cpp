#include "SimOptions.h"

#include "SystemCode.h"

#include <cerrno>
#include <cstdlib>

const char* const kSimUsage =
    "usage: stb-sim [--image FILE] [--code DDDD] [--rate N] [--received FILE] [--flip-bit OFFSET]\n"
    "               [--noise] [--repeat] [--manual-reset]\n"
    "Plays a receiver on a pseudo-terminal whose path is the first line printed.\n"
    "  --image FILE       image an upload sends until a download replaces it;\n"
    "                     0x60800 bytes: small receiver, 0xA0800 bytes: large\n"
    "                     receiver (default: large, nothing to upload)\n"
    "  --code DDDD        the only system code accepted, as typed in the CODE box\n"
    "                     (default: every code)\n"
    "  --rate N           bytes per second sent and read; 11520 is a real line\n"
    "  --received FILE    where a downloaded image is written as it arrived,\n"
    "                     in the receiver's layout\n"
    "  --flip-bit OFFSET  after a download, flip the lowest bit of the stored\n"
    "                     byte at OFFSET (decimal, or hex with 0x)\n"
    "  --noise            stray bytes before SYNC and between REPLY_LARGE and ACK\n"
    "  --repeat           serve one transfer after another until killed\n"
    "  --manual-reset     after a transfer, stay silent until reset with SIGUSR1\n";

namespace {

// Decimal, or hexadecimal after 0x; nothing else.
bool ParseOffset(const std::string& text, std::size_t& offset)
{
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() ||
        digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
        return false;
    errno = 0;
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    offset = static_cast<std::size_t>(value);
    return errno == 0;
}

}  // namespace

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--noise") {
            options.noise = true;
        } else if (arg == "--repeat") {
            options.repeat = true;
        } else if (arg == "--manual-reset") {
            options.manualReset = true;
        } else if (arg == "--flip-bit" && hasValue) {
            std::size_t offset = 0;
            if (!ParseOffset(argv[++i], offset)) {
                error = "--flip-bit takes a byte offset, decimal or hex with 0x";
                return false;
            }
            options.flipBit = offset;
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
