// Reads arbitrary bytes as satellites.xml; the last byte also picks the
// update's options (TransponderFuzz.h).
#include "TransponderFuzz.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<TransponderList::Satellite> satellites;
    if (TransponderList::ReadSatellitesXml(text, satellites)) {
        if (!satellites.empty())
            TransponderFuzz::Fail("a refused list left satellites");
        return 0;
    }
    TransponderFuzz::ExpectSound(satellites, size > 0 ? data[size - 1] : 0);
    return 0;
}
