// volmaren-cli check IMAGE [--repair OUT]
#include "Commands.h"
#include "ImageCheck.h"
#include "ImageDocument.h"
#include "ImageIo.h"

#include <iostream>

int RunCheck(Arguments args)
{
    const bool repair = args.size() == 3 && args[1] == "--repair";
    if (args.size() != 1 && !repair)
        return Report(UsageError("usage: volmaren-cli check IMAGE [--repair OUT]"));
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);

    const ImageCheck::Findings findings = ImageCheck::Check(document.m_database);
    for (const std::string& finding : findings)
        std::cout << finding << '\n';
    if (!repair)
        return findings.empty() ? Exit::kOk : Exit::kInconsistent;
    ImageCheck::Repair(document.m_database);
    if (Outcome saved = SaveImage(document, args[2]); saved.status != Exit::kOk)
        return Report(saved);
    std::cerr << "repaired: " << findings.size() << (findings.size() == 1 ? " finding" : " findings") << '\n';
    return Exit::kOk;
}
