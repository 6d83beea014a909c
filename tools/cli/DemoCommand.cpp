// volmaren-cli demo OUT [--full]
#include "Commands.h"
#include "DemoImage.h"
#include "ImageDocument.h"
#include "ImageIo.h"

int RunDemo(Arguments args)
{
    constexpr const char* kSynopsis = "demo OUT [--full]";
    if (Outcome count = CheckArgumentCount(args, 1, 2, kSynopsis); count.status != Exit::kOk)
        return Report(count);
    if (args.size() == 2 && args[1] != "--full")
        return Report(UsageError(std::string("usage: volmaren-cli ") + kSynopsis));

    CImageDocument document;
    Demo::Build(document.m_database, args.size() == 2 ? Demo::Size::Full : Demo::Size::Normal);
    return Report(SaveImage(document, args[0]));
}
