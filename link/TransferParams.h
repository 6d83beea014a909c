// What a worker is given when it starts: everything it touches besides the
// flags and the byte primitives of the link.
#pragma once

#include <cstdint>

class CTransferLink;
class ITransferView;

struct TransferParams {
    std::uint8_t* pImage;  // the link's image buffer, 0xA0800 bytes
    CTransferLink* pLink;
    ITransferView* pView;
    int* pVariant;  // where an upload records the receiver's variant, 1 or 2
    std::uint16_t wSystemCode;
};

// The two workers; each runs on its own thread and ends with a notice.
void UploadWorker(TransferParams params);
void DownloadWorker(TransferParams params);
