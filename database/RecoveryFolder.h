// The folder of recovery copies, one copy for each running editor that has
// unsaved changes. An editor holds a lock on its copy from the first write
// until it ends, so a copy that nobody holds was left by an editor that
// ended without cleaning up: a crash, a kill, a power cut.
//
// The copy of editor ID is ID.recovery, its lock ID.lock (a copy is replaced
// by a rename, and a lock on the old file would not carry over).
#pragma once

#include "PlaceholderText.h"
#include "RecoveryFormat.h"

#include <filesystem>
#include <vector>

namespace Recovery {

// $XDG_STATE_HOME/volmaren/recovery, else ~/.local/state/volmaren/recovery.
std::filesystem::path Folder();

}  // namespace Recovery

// This editor's own copy. It gets its name and its lock with the first
// write; the lock goes when the object does, the copy only by Remove.
class COwnRecoveryCopy {
public:
    explicit COwnRecoveryCopy(std::filesystem::path folder);
    ~COwnRecoveryCopy();
    COwnRecoveryCopy(const COwnRecoveryCopy&) = delete;
    COwnRecoveryCopy& operator=(const COwnRecoveryCopy&) = delete;

    // Replaces the copy safely (temporary file, flush, rename), creating the
    // folder when needed. False, with `error`, when it could not be written.
    bool Write(const RecoverySnapshot& snapshot, PlaceholderText& error);
    void Remove();
    // Empty until the first write.
    const std::filesystem::path& Path() const { return m_path; }

private:
    bool Claim(PlaceholderText& error);

    std::filesystem::path m_folder;
    std::filesystem::path m_path;
    int m_lock = -1;
};

// A copy that no running editor holds, locked by this editor while it
// decides what to do with it; the lock goes with the object.
class COrphanedRecoveryCopy {
public:
    COrphanedRecoveryCopy(std::filesystem::path path, int lock) : m_path(std::move(path)), m_lock(lock) { }
    ~COrphanedRecoveryCopy();
    COrphanedRecoveryCopy(COrphanedRecoveryCopy&& other) noexcept;
    COrphanedRecoveryCopy& operator=(COrphanedRecoveryCopy&&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // False when the file is damaged or gone.
    bool Read(RecoverySnapshot& snapshot) const;
    // Removes the copy with its lock and any temporary file its editor left.
    void Delete();

private:
    std::filesystem::path m_path;
    int m_lock = -1;
};

// The copies of `folder` that no running editor holds, oldest first, each
// locked for the caller.
std::vector<COrphanedRecoveryCopy>
FindOrphanedCopies(const std::filesystem::path& folder = Recovery::Folder());
