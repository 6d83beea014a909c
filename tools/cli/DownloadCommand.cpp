// volmaren-cli download --port DEV [--code DDDD] [--timeout SEC] [--log FILE] IN
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "TransferSession.h"

int RunDownload(Arguments args)
{
    TransferOptions options;
    if (Outcome parsed = ParseTransferOptions(
            args, "download --port DEV [--code DDDD] [--timeout SEC] [--log FILE] IN", options);
        parsed.status != Exit::kOk)
        return Report(parsed);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, options.file); opened.status != Exit::kOk)
        return Report(opened);
    // Right after an open the data is saved, so the button's checks pass.
    const auto prepared = document.PrepareDownload();
    TransferImage image{{prepared.begin(), prepared.end()}};
    return Report(RunTransfer(Direction::Download, options, image));
}
