#include "records/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>

namespace obrix::records::file_access {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Closes the descriptor when the scope ends, keeping the first error.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    std::error_code close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? std::error_code{} : lastError();
    }

private:
    int fd_;
};

std::error_code writeAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        written += static_cast<std::size_t>(count);
    }
    return {};
}

// Takes over mode, and where allowed owner and group, of an existing file, so that saving over
// a file does not change who may read it.
void copyPermissions(int fd, const fs::path& from) {
    struct stat info {};
    if (from.empty() || ::stat(from.c_str(), &info) != 0)
        return;
    // Changing the owner needs privileges most users lack; failing to is harmless.
    [[maybe_unused]] const int ignored = ::fchown(fd, info.st_uid, info.st_gid);
    ::fchmod(fd, info.st_mode & 07777);
}

std::string uniqueName() {
    static thread_local std::mt19937_64 engine{std::random_device{}()};
    char name[32];
    std::snprintf(name, sizeof name, ".obrix-%08llx.tmp",
                  static_cast<unsigned long long>(engine() & 0xFFFFFFFFu));
    return name;
}

// Flushes the folder's entry list, so that a rename survives a power failure.
void syncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::error_code readPrefix(const fs::path& path, std::size_t limit, std::string& bytes) {
    // Non-blocking, so that a named pipe given by mistake cannot hang the window.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return lastError();
    bytes.clear();
    char buffer[65536];
    while (bytes.size() < limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit - bytes.size());
        const ssize_t count = ::read(file.get(), buffer, wanted);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return file.close();
}

std::error_code checkWritable(const fs::path& path) {
    // The effective user decides, as it would for opening the file; root passes.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return lastError();
    return {};
}

std::error_code writeTemporary(const fs::path& folder, const std::string& bytes,
                               const fs::path& permissionsFrom, fs::path& temporary) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const fs::path candidate = folder / uniqueName();
        // 0666 lets the umask decide a new file's permissions, as for any newly created file.
        Descriptor file(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.get() < 0) {
            if (errno == EEXIST)
                continue;
            return lastError();
        }
        copyPermissions(file.get(), permissionsFrom);
        std::error_code error = writeAll(file.get(), bytes);
        if (!error && ::fsync(file.get()) != 0)
            error = lastError();
        const std::error_code closeError = file.close();
        if (!error)
            error = closeError;
        if (error) {
            ::unlink(candidate.c_str());
            return error;
        }
        temporary = candidate;
        return {};
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code replace(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        return lastError();
    syncFolder(to.parent_path());
    return {};
}

} // namespace obrix::records::file_access
