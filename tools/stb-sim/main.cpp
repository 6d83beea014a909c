// stb-sim: a receiver on a pseudo-terminal. Prints the device path of the
// editor's end on its first line, then serves uploads and downloads.
#include "ImageFile.h"
#include "SimLine.h"
#include "SimOptions.h"
#include "SimReceiver.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool LoadImage(const std::string& path, std::vector<std::uint8_t>& image)
{
    std::string error;
    switch (ImageFile::ReadImage(path, image, error)) {
    case ImageFile::Read::Ok: return true;
    case ImageFile::Read::WrongLength:
        std::fprintf(stderr, "stb-sim: %s is neither 0x60800 nor 0xA0800 bytes long\n", path.c_str());
        return false;
    case ImageFile::Read::Error: std::fprintf(stderr, "stb-sim: %s\n", error.c_str()); return false;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    std::string error;
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    if (!ParseSimOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "stb-sim: %s\n%s", error.c_str(), kSimUsage);
        return 2;
    }
    std::vector<std::uint8_t> image;
    if (!options.imagePath.empty() && !LoadImage(options.imagePath, image))
        return 4;
    CSimLine line(options.rate);
    if (!line.IsOpen()) {
        std::fputs("stb-sim: no pseudo-terminal available\n", stderr);
        return 4;
    }
    std::printf("%s\n", line.DevicePath().c_str());
    std::fflush(stdout);

    CSimReceiver receiver(line, options, std::move(image));
    CSimReceiver::Outcome outcome;
    do {
        outcome = receiver.ServeOne();
    } while (options.repeat);
    line.WaitForRelease(std::chrono::seconds(2));
    return outcome == CSimReceiver::Outcome::Faulty || outcome == CSimReceiver::Outcome::Abandoned ? 1 : 0;
}
