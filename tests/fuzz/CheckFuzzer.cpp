// Checks and repairs a known image with a few bytes patched (ImagePatch.h):
// the check finds something exactly when the repair changes a byte, and a
// repaired image passes its own check. Before that, the image's own channel
// list, written as CSV and imported back, must change nothing.
#include "ChannelRows.h"
#include "ImageCheck.h"
#include "ImageDocument.h"
#include "ImagePatch.h"
#include "ImportPlan.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void Fail(const char* what, const ImageCheck::Findings& findings)
{
    std::fprintf(stderr, "%s\n", what);
    for (const std::string& finding : findings)
        std::fprintf(stderr, "  %s\n", finding.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CImageDocument document;
    static std::vector<std::uint8_t> image, before;
    const ImagePatch::Applied applied = ImagePatch::Apply(data, size, image);
    if (document.LoadBytes(image.data(), image.size(), "fuzz") != CImageDocument::Load::Loaded)
        return 0;
    CChannelDatabase& db = document.m_database;
    db.TablesToWorkImage();
    before.assign(db.GetWorkImage(), db.GetWorkImage() + Image::kLargeSize);

    std::vector<ChannelRows::Row> rows;
    ChannelRows::ImportPlan plan;
    // Not with full tables: thousands of rows would take most of the time.
    if (!applied.full && (ChannelRows::FromCsv(ChannelRows::ToCsv(ChannelRows::ExportRows(db)), rows) ||
                          ChannelRows::PlanImport(db, rows, false, plan) || plan.change.changed))
        Fail("the image's own list does not import back unchanged", {});

    const ImageCheck::Findings findings = ImageCheck::Check(db);
    ImageCheck::Repair(db);
    db.TablesToWorkImage();
    const bool changed = std::memcmp(before.data(), db.GetWorkImage(), Image::kLargeSize) != 0;
    if (findings.empty() == changed)
        Fail(changed ? "the repair changed a clean image" : "the repair left these findings as they were",
             findings);
    if (const ImageCheck::Findings left = ImageCheck::Check(db); !left.empty())
        Fail("the repaired image fails its own check", left);
    return 0;
}
