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

namespace {

bool g_bKeepBackups = true;

}  // namespace

void KeepBackups(bool keep)
{
    g_bKeepBackups = keep;
}

ImageFile::Backup BackupChoice()
{
    return g_bKeepBackups ? ImageFile::Backup::Keep : ImageFile::Backup::None;
}

Outcome SaveImage(CImageDocument& document, const std::string& path)
{
    std::string error;
    if (!document.SaveFile(path, error, BackupChoice()))
        return IoError(error);
    return Succeeded();
}
