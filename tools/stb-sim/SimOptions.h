// The simulator's command line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

struct SimOptions {
    std::string imagePath;  // what an upload sends; its size sets the variant
    std::optional<std::uint16_t> code;  // the one code accepted; any code when absent
    long rate = 0;  // bytes per second each way; 0 unlimited
    std::string receivedPath;  // where a download's image is stored
    bool noise = false;  // stray bytes around the handshake
    bool repeat = false;  // serve transfers until killed
    // After a download, the offset of the stored byte whose lowest bit is
    // flipped, as a failing flash would.
    std::optional<std::size_t> flipBit;
    // After a transfer, silence until SIGUSR1, as a receiver waits for the
    // person to reset it.
    bool manualReset = false;
};

// False with `error` set when the arguments are not understood.
bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

extern const char* const kSimUsage;
