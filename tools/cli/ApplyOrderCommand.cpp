// volmaren-cli apply-order IMAGE REFERENCE OUT
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "ListFiles.h"
#include "ListTexts.h"
#include "OrderPlan.h"

namespace {

Json ReceiverTexts(const std::vector<std::string>& names)
{
    Json texts = Json::array();
    for (const std::string& name : names)
        texts.push_back(ReceiverText(name));
    return texts;
}

ListReport OrderReport(const ChannelRows::OrderReport& counts,
                       const std::optional<ChannelRows::CsvForm>& form)
{
    ListReport report = ReportOfReading(form ? &*form : nullptr);
    const std::vector<std::string> lines = counts.Lines();
    report.lines.insert(report.lines.end(), lines.begin(), lines.end());
    Json channels = Json::array();
    for (const PlaceholderText& channel : counts.unmatchedChannels)
        channels.push_back({{"list", channel.text == Text::kRadioChannelNamed ? "radio" : "tv"},
                            {"name", channel.args.empty() ? std::string() : channel.args[0]}});
    report.fields.update({{"matched", counts.matched},
                          {"moved", counts.moved},
                          {"groups_created", ReceiverTexts(counts.createdGroups)},
                          {"groups_without_a_free_slot", ReceiverTexts(counts.groupsWithoutSlot)},
                          {"unmatched_reference_rows", UnmatchedRowsJson(counts.unmatchedRows)},
                          {"channels_not_in_the_reference", channels}});
    return report;
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
    // The reference's rows: an image's channels, or the rows of a CSV file.
    CImageDocument image;
    std::vector<ChannelRows::Row> reference;
    std::optional<ChannelRows::CsvForm> form;
    if (Outcome read = ReadImageOrList(args[1], image, reference, form); read.status != Exit::kOk)
        return Report(read);
    if (!image.m_bNoData)
        reference = ChannelRows::ExportRows(image.m_database);

    ChannelRows::OrderPlan plan;
    const std::optional<ChannelRows::Refusal> refusal =
        ChannelRows::PlanOrder(document.m_database, reference, plan);
    return Conclude(document, refusal, args[1], plan.change, args[2], OrderReport(plan.report, form));
}
