#include "ImageFile.h"

#include "ImageFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ImageFile {

namespace {

std::string Describe(const std::string& path, const std::string& what)
{
    return path + ": " + what;
}

}  // namespace

Read ReadImage(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = Describe(path, ec ? ec.message() : "not a regular file");
        return Read::Error;
    }
    const auto length = std::filesystem::file_size(path, ec);
    if (ec) {
        error = Describe(path, ec.message());
        return Read::Error;
    }
    if (length != Image::kSmallSize && length != Image::kLargeSize)
        return Read::WrongLength;

    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::size_t(length), 0);
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(length))) {
        error = Describe(path, "cannot be read");
        return Read::Error;
    }
    return Read::Ok;
}

#ifndef _WIN32

bool WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size, std::string& error)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = Describe(path, std::strerror(errno));
        return false;
    }
    // Keep the mode of the file being replaced; a new file gets the usual one.
    struct stat existing;
    mode_t mode = 0666;
    if (stat(path.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    else {
        const mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    fchmod(fd, mode);

    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = write(fd, data + written, size - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = Describe(path, n < 0 ? std::strerror(errno) : "nothing written");
            close(fd);
            unlink(temporary.c_str());
            return false;
        }
        written += std::size_t(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        error = Describe(path, std::strerror(errno));
        unlink(temporary.c_str());
        return false;
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        error = Describe(path, std::strerror(errno));
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

#else

bool WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size, std::string& error)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.write(reinterpret_cast<const char*>(data), std::streamsize(size)) || !out.flush()) {
            error = Describe(path, "cannot be written");
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = Describe(path, ec.message());
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

#endif

}  // namespace ImageFile
