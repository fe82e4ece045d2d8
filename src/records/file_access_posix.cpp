#include "records/file_access.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

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

// A record with a second hard link is saved in place under an exclusive lock (see the record
// saving); a shared lock keeps this read from seeing half of such a write. It waits at most about
// a second, so that a file some other program keeps locked is still read.
void waitForInPlaceSave(int fd) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::flock(fd, LOCK_SH | LOCK_NB) == 0 || errno != EWOULDBLOCK)
            return;
        ::usleep(10000);
    }
}

} // namespace

std::error_code readSmallFile(const fs::path& path, std::size_t limit, std::string& bytes) {
    // Non-blocking, so that a named pipe given by mistake cannot hang the window.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return lastError();
    waitForInPlaceSave(file.get());
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return lastError();
    const auto tooLarge = std::make_error_code(std::errc::file_too_large);
    if (static_cast<std::uintmax_t>(info.st_size) > limit)
        return tooLarge;
    bytes.clear();
    char buffer[65536];
    while (bytes.size() <= limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit + 1 - bytes.size());
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
    if (bytes.size() > limit)
        return tooLarge;
    return file.close();
}

} // namespace obrix::records::file_access
