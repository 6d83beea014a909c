#include "ImageIo.h"

#include "ImageDocument.h"
#include "SystemTexts.h"

Outcome OpenImage(CImageDocument& document, const std::string& path)
{
    std::string error;
    switch (document.LoadFile(path, error)) {
    case CImageDocument::Load::Loaded: return Succeeded();
    case CImageDocument::Load::NotAnImage: return Refused(Text::kNotAnImage);
    case CImageDocument::Load::Error: break;
    }
    return IoError(error);
}

Outcome SaveImage(CImageDocument& document, const std::string& path)
{
    std::string error;
    if (!document.SaveFile(path, error))
        return IoError(error);
    return Succeeded();
}
