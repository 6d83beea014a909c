// Reads arbitrary text as a channel list and imports it into the demo image,
// and applies it as a reference order: a list that is taken writes back as
// the same text, and the image stays valid. The first byte's lowest bit
// asks for the rows that name no channel to be added.
#include "ChannelDatabase.h"
#include "ChannelRows.h"
#include "DemoImage.h"
#include "ImageCheck.h"
#include "ImportPlan.h"
#include "OrderPlan.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

const CChannelDatabase& DemoDatabase()
{
    static const auto db = [] {
        auto built = std::make_unique<CChannelDatabase>();
        Demo::Build(*built, Demo::Size::Normal);
        return built;
    }();
    return *db;
}

void ExpectValid(const CChannelDatabase& db, const char* after)
{
    if (!ImageCheck::CheckStructure(db).empty())
        Fail(after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CChannelDatabase db;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<ChannelRows::Row> rows;
    if (ChannelRows::FromCsv(text, rows)) {
        if (!rows.empty())
            Fail("a refused list left rows");
        return 0;
    }
    const std::string written = ChannelRows::ToCsv(rows);
    std::vector<ChannelRows::Row> again;
    if (ChannelRows::FromCsv(written, again) || ChannelRows::ToCsv(again) != written)
        Fail("a list that was taken does not read back as itself");

    db.CopyTablesFrom(DemoDatabase());
    ChannelRows::ImportPlan import;
    if (!ChannelRows::PlanImport(db, rows, size > 0 && (data[0] & 1), import)) {
        ChannelRows::ApplyChannelChange(db, import.change);
        ExpectValid(db, "an import broke the image");
    }
    db.CopyTablesFrom(DemoDatabase());
    ChannelRows::OrderPlan order;
    if (!ChannelRows::PlanOrder(db, rows, order)) {
        ChannelRows::ApplyChannelChange(db, order.change);
        ExpectValid(db, "an applied order broke the image");
    }
    return 0;
}
