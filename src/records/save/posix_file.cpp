#include "records/save/posix_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace obrix::records::posix {

Fd& Fd::operator=(Fd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.release();
    }
    return *this;
}

Fd::~Fd() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::string describe(int error) {
    return std::error_code(error, std::generic_category()).message();
}

int writeAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t count = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (count == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(count));
        offset += count;
    }
    return 0;
}

int readAll(int fd, std::string& bytes) {
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(bytes.size()));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (count == 0)
            return 0;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

int copyContents(int from, int to) {
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t count = ::pread(from, buffer, sizeof buffer, offset);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (count == 0)
            break;
        if (const int error =
                writeAllAt(to, std::string_view(buffer, static_cast<std::size_t>(count)), offset))
            return error;
        offset += count;
    }
    return ::ftruncate(to, offset) == 0 ? 0 : errno;
}

int syncFolder(int folder) {
    if (::fsync(folder) == 0 || errno == EINVAL || errno == EROFS)
        return 0;
    return errno;
}

namespace {

bool lockedByUs(int fd) {
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// True while name in folder still is the file open as fd (a cleaner may have removed it between
// its creation and its locking).
bool stillNamed(int folder, const std::string& name, int fd) {
    struct stat named {};
    struct stat open {};
    return ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(fd, &open) == 0 && named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

} // namespace

Fd createLockedTemporary(int folder, const std::string& prefix, std::string& name, int& error) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    constexpr int kAttempts = 100;
    error = EEXIST;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = prefix;
        for (int letter = 0; letter < 6; ++letter)
            name += kLetters[pick(random)];
        Fd file(::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         0600));
        if (!file.valid()) {
            error = errno;
            if (error == EEXIST)
                continue;
            return {};
        }
        if (lockedByUs(file.get()) && stillNamed(folder, name, file.get())) {
            error = 0;
            return file;
        }
    }
    return {};
}

bool openUnlocked(int folder, const std::string& name, Fd& file) {
    file = Fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    return file.valid() && ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) &&
           lockedByUs(file.get()) && stillNamed(folder, name, file.get());
}

void removeStaleTemporaries(int folder, std::string_view prefix) {
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (!name.starts_with(prefix))
            continue;
        Fd file;
        struct stat info {};
        if (openUnlocked(folder, name, file) && ::fstat(file.get(), &info) == 0 &&
            info.st_uid == ::geteuid())
            ::unlinkat(folder, name.c_str(), 0);
    }
    ::closedir(entries);
}

} // namespace obrix::records::posix
