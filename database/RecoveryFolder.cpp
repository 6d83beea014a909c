#include "RecoveryFolder.h"

#include "FileTexts.h"
#include "ImageFile.h"
#include "UserFolders.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyExtension = ".recovery";
constexpr const char* kLockExtension = ".lock";
// A copy holds one compressed image: anything far larger is no copy of ours.
constexpr std::uintmax_t kMaxCopySize = 16 * 1024 * 1024;

fs::path LockOf(const fs::path& copy)
{
    return fs::path(copy).replace_extension(kLockExtension);
}

// Removes the temporary files a write of `copy` left when its editor died
// in the middle of it.
void RemoveTemporaries(const fs::path& copy)
{
    const std::string prefix = copy.filename().string() + ".";
    std::error_code ec;
    for (fs::directory_iterator it(copy.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().starts_with(prefix))
            fs::remove(it->path(), ec);
    }
}

// The lock of `lockPath` when no one else holds it, else -1. The file is
// created when missing: a copy whose editor never got to lock it is free.
int TryLock(const fs::path& lockPath)
{
    const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat locked, named;
    // An editor that ended between the open and the lock removed the file we
    // hold: another editor may create and lock a new one of that name.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || fstat(fd, &locked) != 0 || stat(lockPath.c_str(), &named) != 0 ||
        locked.st_ino != named.st_ino || locked.st_dev != named.st_dev) {
        close(fd);
        return -1;
    }
    return fd;
}

void Unlock(const fs::path& lockPath, int& lock)
{
    if (lock < 0)
        return;
    unlink(lockPath.c_str());
    close(lock);
    lock = -1;
}

}  // namespace

fs::path Recovery::Folder()
{
    return XdgFolder("XDG_STATE_HOME", ".local/state") / "volmaren" / "recovery";
}

// --- This editor's copy -----------------------------------------------------

COwnRecoveryCopy::COwnRecoveryCopy(fs::path folder) : m_folder(std::move(folder))
{
}

COwnRecoveryCopy::~COwnRecoveryCopy()
{
    Unlock(LockOf(m_path), m_lock);
}

bool COwnRecoveryCopy::Claim(PlaceholderText& error)
{
    std::error_code ec;
    // What others may not read: the folder holds a person's unsaved work.
    if (fs::create_directories(m_folder, ec))
        fs::permissions(m_folder, fs::perms::owner_all, ec);
    std::string pattern = (m_folder / "editor-XXXXXX").string() + kLockExtension;
    const int fd = mkostemps(pattern.data(), int(std::strlen(kLockExtension)), O_CLOEXEC);
    if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = {Text::kFileFailed, {m_folder.string(), std::strerror(errno)}};
        if (fd >= 0) {
            unlink(pattern.c_str());
            close(fd);
        }
        return false;
    }
    m_lock = fd;
    m_path = fs::path(pattern).replace_extension(kCopyExtension);
    return true;
}

bool COwnRecoveryCopy::Write(const RecoverySnapshot& snapshot, PlaceholderText& error)
{
    if (m_lock < 0 && !Claim(error))
        return false;
    const std::vector<std::uint8_t> bytes = RecoveryFormat::Encode(snapshot);
    if (bytes.empty()) {
        error = {Text::kFileUnwritable, {m_path.string()}};
        return false;
    }
    return ImageFile::WriteAtomically(m_path.string(), bytes.data(), bytes.size(), error);
}

void COwnRecoveryCopy::Remove()
{
    std::error_code ec;
    if (!m_path.empty())
        fs::remove(m_path, ec);
}

// --- Copies left behind -----------------------------------------------------

COrphanedRecoveryCopy::~COrphanedRecoveryCopy()
{
    if (m_lock >= 0)
        close(m_lock);
}

COrphanedRecoveryCopy::COrphanedRecoveryCopy(COrphanedRecoveryCopy&& other) noexcept
    : m_path(std::move(other.m_path)), m_lock(std::exchange(other.m_lock, -1))
{
}

bool COrphanedRecoveryCopy::Read(RecoverySnapshot& snapshot) const
{
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(m_path, ec);
    if (ec || size > kMaxCopySize)
        return false;
    std::ifstream in(m_path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return !in.bad() && RecoveryFormat::Decode(bytes, snapshot);
}

void COrphanedRecoveryCopy::Delete()
{
    std::error_code ec;
    fs::remove(m_path, ec);
    RemoveTemporaries(m_path);
    Unlock(LockOf(m_path), m_lock);
}

std::vector<COrphanedRecoveryCopy> FindOrphanedCopies(const fs::path& folder)
{
    struct Found {
        fs::path path;
        fs::file_time_type written;
    };
    std::vector<Found> copies;
    std::vector<fs::path> locks;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!it->is_regular_file(entryError))
            continue;
        if (it->path().extension() == kCopyExtension)
            copies.push_back({it->path(), it->last_write_time(entryError)});
        else if (it->path().extension() == kLockExtension)
            locks.push_back(it->path());
    }
    std::sort(copies.begin(), copies.end(),
              [](const Found& a, const Found& b) { return a.written < b.written; });

    std::vector<COrphanedRecoveryCopy> orphans;
    for (const Found& copy : copies) {
        const int lock = TryLock(LockOf(copy.path));
        // Its editor may have removed it between the listing and the lock.
        if (lock >= 0 && fs::exists(copy.path, ec))
            orphans.emplace_back(copy.path, lock);
        else if (lock >= 0)
            close(lock);
    }
    // A lock without a copy is what an editor killed after a save leaves.
    for (const fs::path& lockPath : locks) {
        const fs::path copy = fs::path(lockPath).replace_extension(kCopyExtension);
        int lock = fs::exists(copy, ec) ? -1 : TryLock(lockPath);
        if (lock >= 0 && !fs::exists(copy, ec)) {
            RemoveTemporaries(copy);
            Unlock(lockPath, lock);
        } else if (lock >= 0) {
            close(lock);
        }
    }
    return orphans;
}
