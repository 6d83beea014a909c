// Opening and saving images as the editor's File > Open and File > Save do.
#pragma once

#include "CommandLine.h"

class CImageDocument;

// Loads the file: a wrong length or marker is refused with the system's
// message, a file that cannot be read is an I/O error.
Outcome OpenImage(CImageDocument& document, const std::string& path);

// Writes the tables as a large image, safely: a failure leaves any previous
// file at `path` as it was.
Outcome SaveImage(CImageDocument& document, const std::string& path);
