// volmaren-cli import IMAGE IN.csv OUT [--add]
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "ImportPlan.h"
#include "ListFiles.h"

int RunImport(Arguments args)
{
    const bool add = args.size() == 4 && args[3] == "--add";
    if (args.size() != 3 && !add)
        return Report(UsageError("usage: volmaren-cli import IMAGE IN.csv OUT [--add]"));
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);
    std::vector<ChannelRows::Row> rows;
    if (Outcome read = ReadRows(args[1], rows); read.status != Exit::kOk)
        return Report(read);

    ChannelRows::ImportPlan plan;
    const std::optional<ChannelRows::Refusal> refusal =
        ChannelRows::PlanImport(document.m_database, rows, add, plan);
    return Conclude(document, refusal, args[1], plan.change, args[2], plan.report.Lines());
}
