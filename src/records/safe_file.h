// Whole-file reads and writes that a crash or a full disk cannot leave half
// done, and the lock that keeps a second copy of the game from sharing the
// same data files. POSIX.
#pragma once

#include "records/layer.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace dravonelle {

// Replaces the file NAME in FOLDER by BYTES: they go to a new file beside it,
// which is flushed to the disk and then renamed over the old one, so a reader
// sees either the old content or the new, never a mixture. The new file keeps
// the old one's permissions. A symbolic link under NAME is followed: its
// target is replaced the same way, beside itself, and the link stays. On
// failure the old file is left as it was, the temporary file is removed, the
// answer is false and ERROR, if given, says why (ENOSPC, EACCES, …).
bool writeWhole(const std::filesystem::path& folder, const std::string& name, std::string_view bytes,
                std::error_code* error = nullptr);

// Whether this process may make and replace files in FOLDER: it is there, a
// folder, and open to it for writing.
bool canWriteIn(const std::filesystem::path& folder);

// The content of the file NAME in FOLDER, at most LIMIT bytes from its start
// (the data files are a few hundred bytes); nullopt when it is missing,
// unreadable or not a regular file.
inline constexpr std::size_t kReadLimit = 1 << 20;
std::optional<std::string> readWhole(const std::filesystem::path& folder, const std::string& name,
                                     std::size_t limit = kReadLimit);

// Removes what writes cut short by a crash left behind: the temporary files
// of writeWhole. Only the copy of the game that holds the lock may call it.
void removeStaleTemporaries(const std::filesystem::path& folder);

// One running copy per folder: an exclusive lock on the lock file in the
// folder, held for the life of this object. The system drops it when the
// process ends, however it ends, so a killed game never leaves it behind.
// The lock file itself stays.
class SingleCopyLock {
public:
    static constexpr const char* kFileName = ".dravonelle.lock";

    explicit SingleCopyLock(const std::filesystem::path& folder);
    ~SingleCopyLock();
    SingleCopyLock(const SingleCopyLock&) = delete;
    SingleCopyLock& operator=(const SingleCopyLock&) = delete;

    // This process holds the lock.
    bool held() const { return held_; }
    // Another process (or another SingleCopyLock) holds it. When neither this
    // nor held() is true, the lock could not be tried (no lock file can be
    // made in the folder).
    bool heldElsewhere() const { return heldElsewhere_; }

private:
    int fd_ = -1;
    bool held_ = false;
    bool heldElsewhere_ = false;
};

}  // namespace dravonelle
