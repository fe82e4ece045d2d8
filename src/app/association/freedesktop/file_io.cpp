#include "app/association/freedesktop/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace obrix::association::freedesktop {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string tempFileName(std::string_view folder, std::string_view prefix, unsigned number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%X", number & 0xFFFFu);
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += prefix;
    path += digits;
    path += ".TMP";
    return path;
}

} // namespace

std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes) {
    // O_NONBLOCK keeps a FIFO at this path from stalling start-up; it is refused just below.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > maxBytes)
        return std::nullopt;
    std::string content;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return content;
        content.append(buffer, static_cast<std::size_t>(got));
        if (content.size() > maxBytes)
            return std::nullopt;
    }
}

bool makeFolders(const std::string& folder) {
    if (folder.empty())
        return false;
    std::size_t next = 0;
    while (next != std::string::npos) {
        next = folder.find('/', next + 1);
        const std::string part = folder.substr(0, next);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return isFolder(folder);
}

bool writeFileAtomically(const std::string& path, std::string_view content) {
    if (!makeFolders(folderOf(path)))
        return false;
    struct stat existing {};
    const bool exists = ::lstat(path.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists) {
        if (!S_ISREG(existing.st_mode))
            return false;
        if (readRegularFile(path) == std::optional<std::string>(std::string(content)))
            return true;
    }

    std::string temp = path + ".XXXXXX";
    FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    // mkostemp makes the file private; a replaced file keeps the permissions it had.
    const bool written = (!exists || ::fchmod(fd.get(), existing.st_mode & 0777) == 0) &&
                         writeAll(fd.get(), content) && ::fsync(fd.get()) == 0 && fd.close();
    if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::string createUniqueTempFile(std::string_view folder, std::string_view prefix,
                                 unsigned unique) {
    if (unique != 0)
        return tempFileName(folder, prefix, unique);
    constexpr unsigned kNames = 0xFFFF;
    const unsigned start = std::random_device{}() % kNames;
    for (unsigned tried = 0; tried < kNames; ++tried) {
        const std::string path = tempFileName(folder, prefix, (start + tried) % kNames + 1);
        // O_EXCL with O_NOFOLLOW: never open something another user put at this name.
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

bool renameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: a hard link also refuses an existing name.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

bool somethingAt(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

} // namespace obrix::association::freedesktop
