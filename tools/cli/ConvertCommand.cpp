// volmaren-cli convert IN OUT
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"

int RunConvert(Arguments args)
{
    if (Outcome count = CheckArgumentCount(args, 2, 2, "convert IN OUT"); count.status != Exit::kOk)
        return Report(count);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);
    return Report(SaveImage(document, args[1]));
}
