#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace burrowbop {
namespace {

constexpr int kMaxLinkHops = 40;
constexpr const char* kNotRegular = "Not a regular file";

std::string ErrorText(int error) { return std::strerror(error); }

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links until a path that is none (or does not exist).
bool ResolveLinks(std::string& path, std::string& reason) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0) { reason = ErrorText(errno); return false; }
        std::string link(buffer.data(), static_cast<std::size_t>(length));
        path = link.front() == '/' ? link : DirectoryOf(path) + '/' + link;
    }
    reason = ErrorText(ELOOP);
    return false;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t DefaultMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes bytes to a new temporary file beside target and renames it over
// target. Returns the reason of a failure, after removing the temporary file.
std::string WriteAndRename(const std::string& target, std::string_view bytes, const struct stat* old) {
    std::string name = target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);
    std::string temp = DirectoryOf(target) + "/." + name + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return ErrorText(errno);
    bool ok = fchmod(fd, old ? (old->st_mode & 07777) : DefaultMode()) == 0;
    if (ok && old && geteuid() == 0) (void)!fchown(fd, old->st_uid, old->st_gid);
    ok = ok && WriteAll(fd, bytes) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok) { ok = false; error = errno; }
    if (ok && rename(temp.c_str(), target.c_str()) != 0) { ok = false; error = errno; }
    if (!ok) {
        unlink(temp.c_str());
        return ErrorText(error);
    }
    int dir = open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);  // the rename itself reaches the disk; failing here loses nothing
        close(dir);
    }
    return {};
}

}  // namespace

ReadOutcome ReadWholeFile(const std::string& path, std::string& content, std::string& reason) {
    content.clear();
    reason.clear();
    // Non-blocking, so that a FIFO in the file's place cannot hang the game.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return ReadOutcome::Missing;
        reason = ErrorText(errno);
        return ReadOutcome::Failed;
    }
    struct stat st;
    if (fstat(fd, &st) != 0)
        reason = ErrorText(errno);
    else if (!S_ISREG(st.st_mode))
        reason = S_ISDIR(st.st_mode) ? ErrorText(EISDIR) : kNotRegular;
    if (!reason.empty()) {
        close(fd);
        return ReadOutcome::Failed;
    }
    content.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            reason = ErrorText(errno);
            close(fd);
            content.clear();
            return ReadOutcome::Failed;
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return ReadOutcome::Read;
}

std::string ReplaceFileContent(const std::string& path, std::string_view bytes) {
    std::string target = path;
    std::string reason;
    if (!ResolveLinks(target, reason)) return reason;
    struct stat st;
    bool exists = stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return ErrorText(EISDIR);
    if (exists && !S_ISREG(st.st_mode)) return kNotRegular;
    // A file marked read-only stays so, even for root, who could replace it.
    if (exists && (access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)) return ErrorText(EACCES);
    return WriteAndRename(target, bytes, exists ? &st : nullptr);
}

}  // namespace burrowbop
