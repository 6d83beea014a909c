// volmaren-cli upload --port DEV [--code DDDD] [--timeout SEC] [--log FILE] [--no-history] OUT
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "ReceiverHistory.h"
#include "TransferSession.h"
#include "TransferTexts.h"

#include <iostream>

int RunUpload(Arguments args)
{
    TransferOptions options;
    // The usage line a usage error prints is the one it always printed;
    // --help shows every option.
    if (Outcome parsed =
            ParseTransferOptions(args, Direction::Upload,
                                 "upload --port DEV [--code DDDD] [--timeout SEC] [--log FILE] OUT", options);
        parsed.status != Exit::kOk)
        return Report(parsed);
    TransferImage received;
    if (Outcome transfer = RunTransfer(Direction::Upload, options, received); transfer.status != Exit::kOk)
        return Report(transfer);
    // Kept before OUT is written: should that fail, the history still has it.
    if (options.keepHistory) {
        PlaceholderText warning;
        ReceiverHistory::Keep(received.bytes.data(), received.variant, warning);
        ReportHistoryWarning(warning);
    }
    CImageDocument document;
    if (document.AcceptUpload(received.bytes, received.variant))
        std::cerr << Text::kBouquetNotice << '\n';
    return Report(SaveImage(document, options.file));
}
