// volmaren-cli check IMAGE [--repair OUT]
#include "Commands.h"
#include "ImageCheck.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "JsonOutput.h"

#include <iostream>

namespace {

void PrintFindings(const std::vector<ImageCheck::Finding>& findings)
{
    if (!JsonWanted()) {
        for (const ImageCheck::Finding& finding : findings)
            std::cout << ImageCheck::Describe(finding) << '\n';
        return;
    }
    Json list = Json::array();
    for (const ImageCheck::Finding& finding : findings)
        list.push_back({{"record", Fill(finding.record)}, {"text", Fill(finding.what)}});
    PrintJson({{"clean", findings.empty()}, {"findings", list}});
}

}  // namespace

int RunCheck(Arguments args)
{
    const bool repair = args.size() == 3 && args[1] == "--repair";
    if (args.size() != 1 && !repair)
        return Report(UsageError("usage: volmaren-cli check IMAGE [--repair OUT]"));
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);
    const std::vector<ImageCheck::Finding> findings = ImageCheck::CheckMessages(document.m_database);
    PrintFindings(findings);
    if (!repair)
        return findings.empty() ? Exit::kOk : Exit::kInconsistent;
    ImageCheck::Repair(document.m_database);
    if (Outcome saved = SaveImage(document, args[2]); saved.status != Exit::kOk)
        return Report(saved);
    std::cerr << "repaired: " << findings.size() << (findings.size() == 1 ? " finding" : " findings") << '\n';
    return Exit::kOk;
}
