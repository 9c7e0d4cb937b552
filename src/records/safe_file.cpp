#include "records/safe_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace dravonelle {

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A new file beside NAME that nobody else can have opened: ".NAME.PID.N.tmp".
int createTemporary(const fs::path& folder, const std::string& name, fs::path& temporary) {
    static unsigned long counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / ("." + name + "." + std::to_string(::getpid()) + "." +
                              std::to_string(counter++) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The rename is durable once the folder itself is on the disk. Some file
// systems refuse to sync a folder; the new content is in place all the same.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool isPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Where a write to PATH lands: a symbolic link is followed to the file it
// names, so that the link stays a link and its target gets the new bytes.
// Empty for a loop of links.
fs::path followLinks(fs::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 40; ++hops) {
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) return {};
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return {};
}

}  // namespace

bool writeWhole(const fs::path& folder, const std::string& name, std::string_view bytes, std::error_code* error) {
    const auto fail = [error](int e) {
        if (error) *error = std::error_code(e, std::generic_category());
        return false;
    };
    if (!isPlainName(name)) return fail(EINVAL);
    const fs::path target = followLinks(folder / name);
    if (target.empty() || !target.has_filename()) return fail(ELOOP);
    // The new file is made beside the target, so that the rename stays on
    // its file system.
    const fs::path where = target.parent_path();
    fs::path temporary;
    const int fd = createTemporary(where, target.filename().string(), temporary);
    if (fd < 0) return fail(errno);

    // The first step that fails says why.
    int e = 0;
    const auto step = [&e](bool done) {
        if (!done && e == 0) e = errno != 0 ? errno : EIO;
    };
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) step(::fchmod(fd, old.st_mode & 07777) == 0);
    if (e == 0) step(writeAll(fd, bytes));
    if (e == 0) step(::fsync(fd) == 0);
    step(::close(fd) == 0);
    if (e == 0) step(::rename(temporary.c_str(), target.c_str()) == 0);
    if (e != 0) {
        ::unlink(temporary.c_str());
        return fail(e);
    }
    syncFolder(where);
    return true;
}

bool canWriteIn(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::string> readWhole(const fs::path& folder, const std::string& name, std::size_t limit) {
    // Non-blocking, so that a pipe left under a data file's name cannot hang
    // the game; it is refused below as not a regular file.
    const int fd = ::open((folder / name).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> content;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        content.emplace();
        char buffer[4096];
        while (content && content->size() < limit) {
            const std::size_t want = std::min(sizeof buffer, limit - content->size());
            const ssize_t n = ::read(fd, buffer, want);
            if (n == 0) break;
            if (n < 0) {
                if (errno != EINTR) content.reset();
                continue;
            }
            content->append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return content;
}

SingleCopyLock::SingleCopyLock(const fs::path& folder) {
    const fs::path file = folder / kFileName;
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    // A lock file that exists but cannot be written still locks.
    if (fd_ < 0) fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) return;
    // flock belongs to this open file, so it is exclusive between two
    // processes and also between two locks of one process, and it ends with
    // the process.
    int r;
    do {
        r = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r == 0) {
        held_ = true;
        return;
    }
    heldElsewhere_ = errno == EWOULDBLOCK;
    ::close(fd_);
    fd_ = -1;
}

SingleCopyLock::~SingleCopyLock() {
    if (fd_ >= 0) ::close(fd_);
}

void removeStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string file = entry.path().filename().string();
        if (file.size() > 5 && file.front() == '.' && file.ends_with(".tmp") && entry.is_regular_file(ec)) {
            fs::remove(entry.path(), ec);
        }
    }
}

}  // namespace dravonelle
