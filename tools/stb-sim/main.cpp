// stb-sim: a receiver on a pseudo-terminal. Prints the device path of the
// editor's end on its first line, then serves uploads and downloads.
#include "ImageFile.h"
#include "ImageFormat.h"
#include "SimLine.h"
#include "SimOptions.h"
#include "SimReceiver.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

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

volatile std::sig_atomic_t g_bReset = 0;

void OnReset(int)
{
    g_bReset = 1;
}

// A receiver that has served a transfer says nothing, and takes in nothing,
// until the person resets it.
void AwaitReset(CSimLine& line)
{
    std::fprintf(stderr, "stb-sim: waiting to be reset (kill -USR1 %d)\n", int(getpid()));
    std::uint8_t ignored = 0;
    while (g_bReset == 0)
        line.Read(&ignored, 1, std::chrono::milliseconds(100));
    g_bReset = 0;
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
    // Without an image the receiver is a large one.
    const std::size_t stored = image.empty() ? Image::kLargeSize : image.size();
    if (options.flipBit && *options.flipBit >= stored) {
        std::fprintf(stderr, "stb-sim: --flip-bit %zu lies beyond the receiver's %zu bytes\n",
                     *options.flipBit, stored);
        return 2;
    }
    if (options.manualReset) {
        struct sigaction action { };
        action.sa_handler = OnReset;
        sigemptyset(&action.sa_mask);
        sigaction(SIGUSR1, &action, nullptr);
    }
    CSimLine line(options.rate);
    if (!line.IsOpen()) {
        std::fputs("stb-sim: no pseudo-terminal available\n", stderr);
        return 4;
    }
    std::printf("%s\n", line.DevicePath().c_str());
    std::fflush(stdout);

    CSimReceiver receiver(line, options, std::move(image));
    CSimReceiver::Outcome outcome;
    for (;;) {
        outcome = receiver.ServeOne();
        if (!options.repeat)
            break;
        if (options.manualReset)
            AwaitReset(line);
    }
    line.WaitForRelease(std::chrono::seconds(2));
    return outcome == CSimReceiver::Outcome::Faulty || outcome == CSimReceiver::Outcome::Abandoned ? 1 : 0;
}
