#pragma once

// Small POSIX helpers shared by the record saving and the recovery of an interrupted save: an
// owned descriptor, whole reads and writes with errno results, and private temporary files that
// are locked while in use, so that only files nobody uses any more count as stale.

#include <sys/types.h>

#include <string>
#include <string_view>

namespace obrix::records::posix {

// Closes the descriptor when the scope ends.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd)
        : fd_(fd) {}
    Fd(Fd&& other) noexcept
        : fd_(other.release()) {}
    Fd& operator=(Fd&& other) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_ = -1;
};

// The system's description of an errno value ("Permission denied").
std::string describe(int error);

// Writes all of bytes at offset; 0 or the errno value.
int writeAllAt(int fd, std::string_view bytes, off_t offset);

// Reads the whole file from its start into bytes; 0 or the errno value.
int readAll(int fd, std::string& bytes);

// Copies the whole of from (from its start) to the start of to and cuts to at the copied length;
// 0 or the errno value.
int copyContents(int from, int to);

// fsync of a folder; file systems that cannot sync folders count as done.
int syncFolder(int folder);

// A new private (0600) file named prefix + six random characters in folder, held under an
// exclusive lock for as long as the descriptor stays open. Sets name; an invalid Fd and error
// when the folder refuses.
Fd createLockedTemporary(int folder, const std::string& prefix, std::string& name, int& error);

// Removes this user's files in folder whose names start with prefix and that no process holds
// locked: temporary files left by a save that was killed.
void removeStaleTemporaries(int folder, std::string_view prefix);

// True when the file at name in folder exists and no process holds it locked; opens it (held
// locked) into file.
bool openUnlocked(int folder, const std::string& name, Fd& file);

} // namespace obrix::records::posix
