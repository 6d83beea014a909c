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
    ChannelRows::CsvForm form;
    if (Outcome read = ReadRows(args[1], rows, form); read.status != Exit::kOk)
        return Report(read);

    ChannelRows::ImportPlan plan;
    const std::optional<ChannelRows::Refusal> refusal =
        ChannelRows::PlanImport(document.m_database, rows, add, plan);
    const ChannelRows::ImportReport& counts = plan.report;
    ListReport report = ReportOfReading(&form);
    const std::vector<std::string> lines = counts.Lines();
    report.lines.insert(report.lines.end(), lines.begin(), lines.end());
    report.fields.update({{"matched", counts.matched},
                          {"moved", counts.moved},
                          {"renamed", counts.renamed},
                          {"unmatched", UnmatchedRowsJson(counts.unmatched)},
                          {"added", counts.added}});
    return Conclude(document, refusal, args[1], plan.change, args[2], report);
}
