#include "ImageFile.h"

#include "FileTexts.h"
#include "ImageFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ImageFile {

namespace {

// The system's reason for the failure.
PlaceholderText Failed(const std::string& path, const std::string& reason)
{
    return {Text::kFileFailed, {path, reason}};
}

// Our own reason: a constant of FileTexts.h.
PlaceholderText Describe(const char* text, const std::string& path)
{
    return {text, {path}};
}

}  // namespace

Read ReadImage(const std::string& path, std::vector<std::uint8_t>& bytes, PlaceholderText& error)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = ec ? Failed(path, ec.message()) : Describe(Text::kNotRegularFile, path);
        return Read::Error;
    }
    const auto length = std::filesystem::file_size(path, ec);
    if (ec) {
        error = Failed(path, ec.message());
        return Read::Error;
    }
    if (length != Image::kSmallSize && length != Image::kLargeSize)
        return Read::WrongLength;

    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::size_t(length), 0);
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(length))) {
        error = Describe(Text::kFileUnreadable, path);
        return Read::Error;
    }
    return Read::Ok;
}

#ifndef _WIN32

namespace {

// A new file beside `path` with the bytes and the mode given; its name in
// `temporary`. False with `error` set, and no file left, when it failed.
bool WriteTemporary(const std::string& path, const std::uint8_t* data, std::size_t size, mode_t mode,
                    std::string& temporary, PlaceholderText& error)
{
    temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = Failed(path, std::strerror(errno));
        return false;
    }
    fchmod(fd, mode);
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = write(fd, data + written, size - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? Failed(path, std::strerror(errno)) : Describe(Text::kNothingWritten, path);
            close(fd);
            unlink(temporary.c_str());
            return false;
        }
        written += std::size_t(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        error = Failed(path, std::strerror(errno));
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

// What the umask leaves of rw-rw-rw-.
mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A copy of the file at `path` in a new file beside it, for its backup.
bool CopyForBackup(const std::string& path, mode_t mode, std::string& copy, PlaceholderText& error)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        error = Describe(Text::kUnreadableForBackup, path);
        return false;
    }
    return WriteTemporary(path + ".bak", reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                          mode, copy, error);
}

}  // namespace

bool WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                     PlaceholderText& error, Backup backup)
{
    // Keep the mode of the file being replaced; a new file gets the usual one.
    struct stat existing;
    const bool replaces = stat(path.c_str(), &existing) == 0;
    const mode_t mode = replaces ? existing.st_mode & 07777 : NewFileMode();

    std::string temporary;
    if (!WriteTemporary(path, data, size, mode, temporary, error))
        return false;
    std::string copy;
    const bool keepsBackup = backup == Backup::Keep && replaces && S_ISREG(existing.st_mode);
    if (keepsBackup && !CopyForBackup(path, mode, copy, error)) {
        unlink(temporary.c_str());
        return false;
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        error = Failed(path, std::strerror(errno));
        unlink(temporary.c_str());
        if (keepsBackup)
            unlink(copy.c_str());
        return false;
    }
    const std::string backupPath = path + ".bak";
    if (keepsBackup && rename(copy.c_str(), backupPath.c_str()) != 0) {
        error = {Text::kBackupNotKept, {backupPath, std::strerror(errno)}};
        unlink(copy.c_str());
        return false;
    }
    return true;
}

NewFile WriteNew(const std::string& path, const std::uint8_t* data, std::size_t size, PlaceholderText& error)
{
    std::string temporary;
    if (!WriteTemporary(path, data, size, NewFileMode(), temporary, error))
        return NewFile::Failed;
    // A hard link, unlike a rename, never replaces the file a concurrent
    // writer gave the same name.
    const int linked = link(temporary.c_str(), path.c_str());
    const int reason = errno;
    unlink(temporary.c_str());
    if (linked == 0)
        return NewFile::Written;
    if (reason == EEXIST)
        return NewFile::Taken;
    error = Failed(path, std::strerror(reason));
    return NewFile::Failed;
}

#else

bool WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                     PlaceholderText& error, Backup backup)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.write(reinterpret_cast<const char*>(data), std::streamsize(size)) || !out.flush()) {
            error = Describe(Text::kFileUnwritable, path);
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code ec;
    const std::string copy = path + ".bak.tmp";
    const bool keepsBackup = backup == Backup::Keep && std::filesystem::is_regular_file(path, ec);
    if (keepsBackup &&
        !std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing, ec)) {
        error = Failed(path, ec.message());
        std::remove(temporary.c_str());
        return false;
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = Failed(path, ec.message());
        std::remove(temporary.c_str());
        if (keepsBackup)
            std::remove(copy.c_str());
        return false;
    }
    if (keepsBackup) {
        std::filesystem::rename(copy, path + ".bak", ec);
        if (ec) {
            error = {Text::kBackupNotKept, {path + ".bak", ec.message()}};
            std::remove(copy.c_str());
            return false;
        }
    }
    return true;
}

NewFile WriteNew(const std::string& path, const std::uint8_t* data, std::size_t size, PlaceholderText& error)
{
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        return NewFile::Taken;
    return WriteAtomically(path, data, size, error) ? NewFile::Written : NewFile::Failed;
}

#endif

Read ReadImage(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error)
{
    return InEnglish(error, [&](PlaceholderText& message) { return ReadImage(path, bytes, message); });
}

bool WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size, std::string& error,
                     Backup backup)
{
    return InEnglish(
        error, [&](PlaceholderText& message) { return WriteAtomically(path, data, size, message, backup); });
}

}  // namespace ImageFile
