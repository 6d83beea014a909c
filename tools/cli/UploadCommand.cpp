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
    CImageDocument document;
    CChannelDatabase& database = document.m_database;
    if (Outcome transfer =
            RunTransfer(Direction::Upload, options, database.GetRawImage(), &database.m_nVariant);
        transfer.status != Exit::kOk)
        return Report(transfer);
    // Kept before OUT is written: should that fail, the history still has it.
    if (options.keepHistory) {
        PlaceholderText warning;
        ReceiverHistory::Keep(database.GetRawImage(), database.m_nVariant, warning);
        ReportHistoryWarning(warning);
    }
    if (document.AcceptUpload())
        std::cerr << Text::kBouquetNotice << '\n';
    return Report(SaveImage(document, options.file));
}
