#include "checkpoint/checkpoint_file.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace checkpoint {

namespace {

bool isSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Scans "%d" from a character source (next() returns EOF at the end). Only whether the
// number is 1 matters, so digits are compared rather than added up: no overflow, whatever
// the length of the number.
bool scanHoldsOne(const std::function<int()>& next) {
    int c = next();
    while (isSpace(c)) c = next();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = next();
    }
    if (!isDigit(c)) return false;
    while (c == '0') c = next();  // leading zeros: "001" is 1
    if (c != '1') return false;
    c = next();
    return !isDigit(c) && !negative;
}

// Read-only for everybody: the player's way of keeping the checkpoint as it is. (Root could
// write it all the same, so the permission bits are asked, not only access().)
bool isReadOnly(const struct stat& file) { return (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

// Flushes the directory entry of a rename, so the new checkpoint survives a power loss.
bool syncDirectoryOf(const std::string& path) {
    const std::string directory = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;  // nothing to flush through; the file itself is on the disk
    // A file system that cannot flush a directory (EINVAL) keeps its entries by other means.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

}  // namespace

bool textHoldsOne(std::string_view text) {
    std::size_t i = 0;
    return scanHoldsOne([&] { return i < text.size() ? static_cast<unsigned char>(text[i++]) : EOF; });
}

ReadResult readFile(const std::string& path) {
    ReadResult result;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return result;
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr) return result;
    result.opened = true;
    result.holdsOne = scanHoldsOne([f] { return std::fgetc(f); });
    result.closeFailed = std::fclose(f) != 0;
    return result;
}

std::string temporaryPath(const std::string& path) { return path + ".tmp"; }

void removeStaleTemporary(const std::string& path) { ::unlink(temporaryPath(path).c_str()); }

WriteResult writeFile(const std::string& path, const std::function<void()>& beforeRename) {
    return replaceFile(path, "1", beforeRename);
}

WriteResult replaceFile(const std::string& path, std::string_view content, const std::function<void()>& beforeRename) {
    mode_t mode = 0666;  // as a new file made by fopen, narrowed by the umask
    bool replacing = false;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        if (isReadOnly(existing) || ::access(path.c_str(), W_OK) != 0) return WriteResult::OpenFailed;
        mode = existing.st_mode & 0777;
        replacing = true;
    }
    const std::string temporary = temporaryPath(path);
    // Exclusive: a pipe would block the game, a link would lead the write elsewhere.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return WriteResult::OpenFailed;
    if (replacing) ::fchmod(fd, mode);  // the checkpoint keeps the permissions it had
    bool ok = true;
    for (std::size_t written = 0; ok && written < content.size();) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) written += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return WriteResult::CloseFailed;
    }
    if (beforeRename) beforeRename();
    // The checkpoint itself could not be replaced (a directory of that name, say).
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return WriteResult::OpenFailed;
    }
    return syncDirectoryOf(path) ? WriteResult::Written : WriteResult::CloseFailed;
}

}  // namespace checkpoint
