// volmaren-cli upload --port DEV [--code DDDD] [--timeout SEC] [--log FILE] OUT
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "TransferSession.h"
#include "TransferTexts.h"

#include <iostream>

int RunUpload(Arguments args)
{
    TransferOptions options;
    if (Outcome parsed = ParseTransferOptions(
            args, "upload --port DEV [--code DDDD] [--timeout SEC] [--log FILE] OUT", options);
        parsed.status != Exit::kOk)
        return Report(parsed);
    TransferImage received;
    if (Outcome transfer = RunTransfer(Direction::Upload, options, received); transfer.status != Exit::kOk)
        return Report(transfer);
    CImageDocument document;
    if (document.AcceptUpload(received.bytes, received.variant))
        std::cerr << Text::kBouquetNotice << '\n';
    return Report(SaveImage(document, options.file));
}
