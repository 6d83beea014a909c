// Compares two known images with a few bytes patched (ImagePatch.h), takes
// some of the differences and then all that are left: an image is the same as
// itself, a refused take plans nothing, a valid image stays valid, and taking
// every difference between valid images leaves none.
//
// Input: the patches of ours, the patches of theirs, then the bits that choose
// the differences of the first take (none: every difference).
#include "Comparison.h"
#include "ImageCheck.h"
#include "ImageDocument.h"
#include "ImagePatch.h"
#include "TakePlan.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, const ImageCheck::Findings& findings = {})
{
    std::fprintf(stderr, "%s\n", what);
    for (const std::string& finding : findings)
        std::fprintf(stderr, "  %s\n", finding.c_str());
    std::abort();
}

// Loads the next patched image of the input; false when it is no image.
bool Load(const std::uint8_t*& data, std::size_t& size, CImageDocument& document, bool& valid)
{
    static std::vector<std::uint8_t> image;
    const ImagePatch::Applied applied = ImagePatch::Apply(data, size, image);
    const std::size_t used = std::min(applied.scriptStart, size);
    data += used;
    size -= used;
    if (document.LoadBytes(image.data(), image.size(), "fuzz") != CImageDocument::Load::Loaded)
        return false;
    valid = !applied.patched || ImageCheck::CheckStructure(document.m_database).empty();
    return true;
}

// Takes the chosen differences; false when the take was refused.
bool Take(CChannelDatabase& db, const Diff::OtherSide& theirs, const std::vector<std::size_t>& chosen,
          const Diff::Comparison& comparison, bool valid)
{
    Diff::TakePlan plan;
    if (Diff::PlanTake(db, theirs, comparison, chosen, plan)) {
        if (!plan.Empty())
            Fail("a refused take planned a change");
        return false;
    }
    Diff::ApplyTake(db, plan);
    if (valid) {
        if (const ImageCheck::Findings findings = ImageCheck::CheckStructure(db); !findings.empty())
            Fail("a take broke a valid image", findings);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CImageDocument ours, other;
    bool oursValid = false, theirsValid = false;
    if (!Load(data, size, ours, oursValid) || !Load(data, size, other, theirsValid))
        return 0;
    CChannelDatabase& db = ours.m_database;
    if (!Diff::Compare(db, Diff::FromImage(db)).Same())
        Fail("an image differs from itself");

    const Diff::OtherSide theirs = Diff::FromImage(other.m_database);
    const Diff::Comparison first = Diff::Compare(db, theirs);
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < first.differences.size(); ++i) {
        if (size == 0 || (data[i / 8 % size] >> (i % 8) & 1))
            chosen.push_back(i);
    }
    if (!Take(db, theirs, chosen, first, oursValid))
        return 0;
    const Diff::Comparison rest = Diff::Compare(db, theirs);
    if (Take(db, theirs, Diff::Everything(rest), rest, oursValid) && oursValid && theirsValid &&
        !Diff::Compare(db, theirs).Same())
        Fail("taking every difference left some");
    return 0;
}
