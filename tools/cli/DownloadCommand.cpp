// volmaren-cli download --port DEV [--code DDDD] [--timeout SEC] [--log FILE] [--verify [--no-history]] IN
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "TransferSession.h"

#include <iostream>

int RunDownload(Arguments args)
{
    TransferOptions options;
    // The usage line a usage error prints is the one it always printed;
    // --help shows every option.
    if (Outcome parsed = ParseTransferOptions(
            args, Direction::Download, "download --port DEV [--code DDDD] [--timeout SEC] [--log FILE] IN",
            options);
        parsed.status != Exit::kOk)
        return Report(parsed);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, options.file); opened.status != Exit::kOk)
        return Report(opened);
    // Right after an open the data is saved, so the button's checks pass.
    const auto prepared = document.PrepareDownload();
    if (!options.verify) {
        TransferImage image{{prepared.begin(), prepared.end()}};
        return Report(RunTransfer(Direction::Download, options, image));
    }
    std::vector<RecordDifference> differences;
    const Outcome verified = RunVerifiedDownload(options, prepared, differences);
    for (const RecordDifference& difference : differences)
        std::cout << Describe(difference) << '\n';
    return Report(verified);
}
