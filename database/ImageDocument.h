// The document's load and save logic: one database, the file it came from,
// and the two flags the rest of the program consults. The editor's window
// document wraps this class; the command-line tool uses it directly.
#pragma once

#include "ChannelDatabase.h"
#include "ImageFile.h"

#include <cstdint>
#include <span>
#include <string>

class CImageDocument {
public:
    enum class Load { Loaded, NotAnImage, Error };

    CImageDocument() = default;

    CChannelDatabase m_database;
    std::string m_szFilePath;  // last file loaded or saved; empty when none
    bool m_bNoData = true;  // no image loaded, saved or uploaded yet
    bool m_bSaved = true;  // the data in hand equals what was last loaded or saved

    // New document: no data and no path; the tables and m_bSaved stay.
    void NewDocument();

    // Opens an image file. NotAnImage (wrong length or marker; the message is
    // Text::kNotAnImage) and Error (with `error`, a message or in English)
    // leave everything as it was. On success the caller refreshes its lists.
    Load LoadFile(const std::string& path, PlaceholderText& error);
    Load LoadFile(const std::string& path, std::string& error);
    // The same for bytes already read from the file at `path`.
    Load LoadBytes(const std::uint8_t* bytes, std::size_t size, const std::string& path);

    // File > Save: tables to working image to raw image, then the working
    // image's 0xA0800 bytes written safely. On failure the flags and the path
    // keep their values and `error` says why.
    bool SaveFile(const std::string& path, PlaceholderText& error,
                  ImageFile::Backup backup = ImageFile::Backup::None);
    bool SaveFile(const std::string& path, std::string& error,
                  ImageFile::Backup backup = ImageFile::Backup::None);

    // The close handler's write: tables to working image to raw image, then
    // the raw image to m_szFilePath. Flags are not changed.
    bool WriteImageFile(PlaceholderText& error, ImageFile::Backup backup = ImageFile::Backup::None);
    bool WriteImageFile(std::string& error, ImageFile::Backup backup = ImageFile::Backup::None);

    // Takes a working image the editor kept itself (a recovery copy) as the
    // unsaved data of `path` (empty: none): every table as it was, bouquet
    // names included. `image` holds Image::kLargeSize bytes.
    void RestoreWorkImage(const std::uint8_t* image, const std::string& path);

    // Takes an uploaded image in the layout of `variant` (1 small, 2 large;
    // at most 0xA0800 bytes are taken): raw image, tables, bouquet clearing
    // for a small image, flags. Returns true when the bouquet table was
    // cleared (a small image).
    bool AcceptUpload(std::span<const std::uint8_t> image, int variant);

    // Copies the working image into the raw buffer before a download and
    // returns it: what the receiver is sent.
    std::span<const std::uint8_t> PrepareDownload();
};
