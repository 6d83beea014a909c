// volmaren-cli apply-order IMAGE REFERENCE OUT
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "ListFiles.h"
#include "OrderPlan.h"

namespace {

// The reference's rows: an image's channels, or the rows of a CSV file.
Outcome ReadReference(const std::string& path, std::vector<ChannelRows::Row>& rows)
{
    CImageDocument reference;
    std::string error;
    switch (reference.LoadFile(path, error)) {
    case CImageDocument::Load::Loaded:
        rows = ChannelRows::ExportRows(reference.m_database);
        return Succeeded();
    case CImageDocument::Load::NotAnImage: return ReadRows(path, rows);
    case CImageDocument::Load::Error: break;
    }
    return IoError(error);
}

}  // namespace

int RunApplyOrder(Arguments args)
{
    if (Outcome count = CheckArgumentCount(args, 3, 3, "apply-order IMAGE REFERENCE OUT");
        count.status != Exit::kOk)
        return Report(count);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);
    std::vector<ChannelRows::Row> reference;
    if (Outcome read = ReadReference(args[1], reference); read.status != Exit::kOk)
        return Report(read);

    ChannelRows::OrderPlan plan;
    const std::optional<ChannelRows::Refusal> refusal =
        ChannelRows::PlanOrder(document.m_database, reference, plan);
    return Conclude(document, refusal, args[1], plan.change, args[2], plan.report.Lines());
}
