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
    CImageDocument document;
    CChannelDatabase& database = document.m_database;
    if (Outcome transfer =
            RunTransfer(Direction::Upload, options, database.GetRawImage(), &database.m_nVariant);
        transfer.status != Exit::kOk)
        return Report(transfer);
    if (document.AcceptUpload())
        std::cerr << Text::kBouquetNotice << '\n';
    return Report(SaveImage(document, options.file));
}
