// Reading and writing whole image files.
#pragma once

#include "PlaceholderText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ImageFile {

enum class Read { Ok, WrongLength, Error };

// Reads the file when its length is one of the two image sizes; any other
// length is WrongLength without reading it. `error` explains an Error, as
// a message of database/FileTexts.h or in English.
Read ReadImage(const std::string& path, std::vector<std::uint8_t>& bytes, PlaceholderText& error);
Read ReadImage(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error);

// Whether a write over an existing file first keeps that file beside it as
// `path` + ".bak" (one generation).
enum class Backup { Keep, None };

// Writes the bytes to a temporary file beside `path`, flushes it to disk and
// renames it over `path`, so a failed or interrupted write never destroys the
// previous file. With Backup::Keep the file it replaces becomes `path`.bak
// once the new one is in place; a write that fails leaves the file and its
// .bak as they were, and no other file. Returns false with `error` set when
// anything failed.
bool WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                     PlaceholderText& error, Backup backup = Backup::None);
bool WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size, std::string& error,
                     Backup backup = Backup::None);

// Writes the bytes as WriteAtomically does, but only as a new file: when a
// file of that name exists already it stays as it is, no file is left
// behind, and the result is Taken. Failed comes with `error`.
enum class NewFile { Written, Taken, Failed };
NewFile WriteNew(const std::string& path, const std::uint8_t* data, std::size_t size, PlaceholderText& error);

}  // namespace ImageFile
