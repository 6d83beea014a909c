// Reads arbitrary bytes as a dvbv5 channel file named after a position; the
// last byte also picks the update's options (TransponderFuzz.h).
#include "TransponderFuzz.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TransponderList::Satellite satellite{"kept", 0, {{1, 1}}};
    if (TransponderList::ReadDvbChannelFile(text, "dvb-s/Astra-19.2E", satellite)) {
        if (satellite != TransponderList::Satellite{})
            TransponderFuzz::Fail("a refused file left a satellite");
        return 0;
    }
    if (satellite.name != "Astra-19.2E" || satellite.position != 192)
        TransponderFuzz::Fail("the satellite is not named after its file");
    TransponderFuzz::ExpectSound({satellite}, size > 0 ? data[size - 1] : 0);
    return 0;
}
