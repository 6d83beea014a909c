// volmaren-cli export IMAGE OUT.csv
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "ListFiles.h"

#include <algorithm>

int RunExport(Arguments args)
{
    if (Outcome count = CheckArgumentCount(args, 2, 2, "export IMAGE OUT.csv"); count.status != Exit::kOk)
        return Report(count);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);
    const std::vector<ChannelRows::Row> rows = ChannelRows::ExportRows(document.m_database);
    if (Outcome written = WriteText(args[1], ChannelRows::ToCsv(rows)); written.status != Exit::kOk)
        return Report(written);
    const auto radio =
        std::count_if(rows.begin(), rows.end(), [](const auto& row) { return row.kind == kRadio; });
    PrintReport({"exported: " + std::to_string(rows.size() - std::size_t(radio)) + " tv, " +
                 std::to_string(radio) + " radio"});
    return Exit::kOk;
}
