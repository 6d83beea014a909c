// volmaren-cli apply-order IMAGE REFERENCE OUT
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "ListFiles.h"
#include "OrderPlan.h"

int RunApplyOrder(Arguments args)
{
    if (Outcome count = CheckArgumentCount(args, 3, 3, "apply-order IMAGE REFERENCE OUT");
        count.status != Exit::kOk)
        return Report(count);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);
    // The reference's rows: an image's channels, or the rows of a CSV file.
    CImageDocument image;
    std::vector<ChannelRows::Row> reference;
    if (Outcome read = ReadImageOrList(args[1], image, reference); read.status != Exit::kOk)
        return Report(read);
    if (!image.m_bNoData)
        reference = ChannelRows::ExportRows(image.m_database);

    ChannelRows::OrderPlan plan;
    const std::optional<ChannelRows::Refusal> refusal =
        ChannelRows::PlanOrder(document.m_database, reference, plan);
    return Conclude(document, refusal, args[1], plan.change, args[2], plan.report.Lines());
}
