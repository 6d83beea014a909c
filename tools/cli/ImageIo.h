// Opening and saving images as the editor's File > Open and File > Save do.
#pragma once

#include "CommandLine.h"
#include "ImageFile.h"

class CImageDocument;

// Loads the file: a wrong length or marker is refused with the system's
// message, a file that cannot be read is an I/O error.
Outcome OpenImage(CImageDocument& document, const std::string& path);

// Writes the tables as a large image, safely: a failure leaves any previous
// file at `path` as it was. A file it replaces is kept as `path`.bak unless
// backups were turned off.
Outcome SaveImage(CImageDocument& document, const std::string& path);

// --no-backup: files are replaced without keeping the previous one.
void KeepBackups(bool keep);
// How a command that writes a file replaces an existing one.
ImageFile::Backup BackupChoice();
