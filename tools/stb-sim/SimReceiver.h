// The receiver's side of the upload and download protocols.
#pragma once

#include "DownloadFraming.h"
#include "SimLine.h"
#include "SimOptions.h"

#include <cstdint>
#include <vector>

class CSimReceiver {
public:
    enum class Outcome { Uploaded, Downloaded, Refused, Faulty, Abandoned };

    // `image` is what an upload sends (may be empty) until a download
    // replaces it; its size is the receiver's variant. A flipped bit's
    // offset must lie inside that variant's image.
    CSimReceiver(CSimLine& line, const SimOptions& options, std::vector<std::uint8_t> image);

    // One transfer, from the receiver's reset to its last byte.
    Outcome ServeOne();

private:
    void AwaitHello();
    Outcome ServeUpload();
    Outcome ServeDownload();
    // Keeps what a download wrote, as the receiver's flash does, for the
    // uploads after it.
    void Store(std::vector<std::uint8_t> image);
    // Receives one region into `target`, acknowledging every block but, with
    // `ackLastBlock` false, the last; false when the editor went silent.
    bool ReceiveRegion(const Framing::Region& region, std::uint8_t blockType, const char* name,
                       std::uint8_t* target, bool ackLastBlock);
    void CheckHeader(const std::uint8_t* bytes, const Framing::Region& region, const char* name);
    void CheckBlock(const std::uint8_t* bytes, std::uint8_t blockType, std::uint32_t number,
                    const char* name);
    void Fault(const char* format, ...) __attribute__((format(printf, 2, 3)));

    CSimLine& m_line;
    const SimOptions& m_options;
    std::vector<std::uint8_t> m_image;
    int m_nVariant;
    int m_nFaults = 0;
};
