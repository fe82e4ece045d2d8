#include "records/save/file_replace.h"

#include "records/save/save_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <vector>

// A save writes the new record to a private temporary file beside it, gives that file the
// record's owner (where allowed), group, extended attributes (access control lists and the
// SELinux label among them) and mode, syncs it and renames it over the record, so that a reader
// sees the old record or the new one and never a part of either. GIO's g_file_replace is not
// used: it writes in place, truncating first, for exactly the records this matters for (those
// with extended attributes, another owner or a second hard link), and its temporary files are
// neither private nor removed after a crash.
//
// Where no rename can keep the record what it is (a second hard link, a folder the user may not
// write, a group or access control list the new file cannot be given), the record is written in
// place: the previous contents are first copied beside it (see save_copy.h), and a save that is
// interrupted leaves that copy for the next opening of the record to offer back.

namespace obrix::records {

namespace fs = std::filesystem;
using posix::describe;
using posix::Fd;

namespace {

// The new file could not be given what the record has; it must be written in place.
constexpr int kWriteInPlace = -1;

bool refusedByRights(int error) {
    return error == EACCES || error == EPERM;
}

// The process's umask, read without changing it (umask() would race with other threads).
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("Umask:"))
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
    return 022;
}

std::vector<std::string> attributeNames(const std::vector<char>& list) {
    std::vector<std::string> names;
    for (auto at = list.begin(); at != list.end();) {
        const auto end = std::find(at, list.end(), '\0');
        names.emplace_back(at, end);
        at = end == list.end() ? end : end + 1;
    }
    return names;
}

// lister(buffer, size) is listxattr or flistxattr bound to a file.
template <typename Lister> std::vector<std::string> listAttributes(Lister lister) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = lister(nullptr, 0);
        if (size <= 0)
            return {};
        std::vector<char> list(static_cast<std::size_t>(size));
        const ssize_t got = lister(list.data(), list.size());
        if (got >= 0) {
            list.resize(static_cast<std::size_t>(got));
            return attributeNames(list);
        }
        if (errno != ERANGE)
            return {};
    }
    return {};
}

// Access control lists live in the "system." name space: losing one changes who may read the
// record, so a save that cannot keep one writes in place instead. Other attributes the process
// may not set (the SELinux label under some policies, "trusted." ones) are left to what a new
// file in the folder gets.
bool mustKeep(const std::string& name) {
    return name.starts_with("system.");
}

int copyAttributes(const fs::path& record, int file) {
    const std::vector<std::string> wanted = listAttributes(
        [&](char* list, std::size_t size) { return ::listxattr(record.c_str(), list, size); });
    // A default ACL of the folder gives the new file an ACL the record may not have.
    for (const std::string& name : listAttributes(
             [&](char*list, std::size_t size) { return ::flistxattr(file, list, size); }))
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(file, name.c_str()) != 0 && mustKeep(name))
            return kWriteInPlace;
    for (const std::string& name : wanted) {
        std::vector<char> value(256);
        ssize_t size = 0;
        while ((size = ::getxattr(record.c_str(), name.c_str(), value.data(), value.size())) < 0 &&
               errno == ERANGE)
            value.resize(value.size() * 4);
        if (size < 0) {
            if (errno == ENODATA)
                continue;
            if (mustKeep(name))
                return kWriteInPlace;
            continue;
        }
        if (::fsetxattr(file, name.c_str(), value.data(), static_cast<std::size_t>(size), 0) == 0)
            continue;
        const int error = errno;
        if (mustKeep(name) || !(refusedByRights(error) || error == ENOTSUP))
            return kWriteInPlace;
    }
    return 0;
}

// Gives the new file the record's owner (only root may), group, attributes and mode.
int takeIdentity(int file, const struct stat& record, const fs::path& path) {
    struct stat fresh {};
    if (::fstat(file, &fresh) != 0)
        return errno;
    const uid_t owner = ::geteuid() == 0 ? record.st_uid : static_cast<uid_t>(-1);
    const gid_t group = fresh.st_gid == record.st_gid ? static_cast<gid_t>(-1) : record.st_gid;
    if ((owner != static_cast<uid_t>(-1) || group != static_cast<gid_t>(-1)) &&
        ::fchown(file, owner, group) != 0)
        return refusedByRights(errno) ? kWriteInPlace : errno;
    if (const int result = copyAttributes(path, file))
        return result;
    // Last, since changing owner or access control list changes the mode bits.
    return ::fchmod(file, record.st_mode & 07777) == 0 ? 0 : errno;
}

// The new contents on the disk, with the record's identity (or a new record's mode). The mode
// comes last, just before the rename, so that a save killed while syncing leaves a private file.
int fill(int file, std::string_view bytes, const struct stat* record, const fs::path& path) {
    if (const int error = posix::writeAllAt(file, bytes, 0))
        return error;
    if (::fsync(file) != 0)
        return errno;
    if (record)
        return takeIdentity(file, *record, path);
    // A new record: owner and group as the umask allows, never others.
    return ::fchmod(file, 0660 & ~currentUmask()) == 0 ? 0 : errno;
}

// Opens a place for the copy of the previous contents: beside the record, else in the user's
// folder; sets temporary to a new locked file there.
save_copy::Place copyPlace(const fs::path& path, int recordFolder, Fd& temporary,
                           std::string& temporaryName, int& error) {
    save_copy::Place place = save_copy::beside(path, Fd(::fcntl(recordFolder, F_DUPFD_CLOEXEC, 0)));
    temporary = posix::createLockedTemporary(place.folder.get(), place.temporaryPrefix,
                                             temporaryName, error);
    if (temporary.valid() || !(refusedByRights(error) || error == EROFS))
        return place;
    save_copy::Place user = save_copy::inUserFolder(path, true);
    if (!user.folder.valid())
        return place;
    posix::removeStaleTemporaries(user.folder.get(), user.temporaryPrefix);
    temporary =
        posix::createLockedTemporary(user.folder.get(), user.temporaryPrefix, temporaryName, error);
    return user;
}

// Writes the record's own file: all its names, its owner and its attributes stay.
std::string writeInPlace(int folder, const fs::path& path, std::string_view bytes) {
    const Fd record(
        ::openat(folder, path.filename().c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!record.valid())
        return describe(errno);
    // One in-place save at a time (two windows): another's cut must not fall after these bytes.
    while (::flock(record.get(), LOCK_EX) != 0)
        if (errno != EINTR)
            return describe(errno);

    Fd copy;
    std::string temporary;
    int error = 0;
    const save_copy::Place place = copyPlace(path, folder, copy, temporary, error);
    if (!copy.valid())
        return describe(error);
    const int at = place.folder.get();
    error = posix::copyContents(record.get(), copy.get());
    if (!error && ::fsync(copy.get()) != 0)
        error = errno;
    if (!error && ::renameat(at, temporary.c_str(), at, place.copyName.c_str()) != 0)
        error = errno;
    if (!error)
        error = posix::syncFolder(at);
    if (error) {
        ::unlinkat(at, temporary.c_str(), 0);
        return describe(error);
    }

    // New bytes first and the cut after: a reader meanwhile sees the old record or the new one
    // followed by the old one's tail, which comes after the twentieth field and is ignored.
    error = posix::writeAllAt(record.get(), bytes, 0);
    if (!error && ::ftruncate(record.get(), static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (!error && ::fsync(record.get()) != 0)
        error = errno;
    if (error && (posix::copyContents(copy.get(), record.get()) != 0 || ::fsync(record.get()) != 0))
        return describe(error) + " (the previous contents are kept in " +
               (place.folderPath / place.copyName).string() + ")";
    ::unlinkat(at, place.copyName.c_str(), 0);
    posix::syncFolder(at);
    return error ? describe(error) : std::string();
}

} // namespace

std::string replaceFileContents(const fs::path& path, std::string_view bytes) {
    const fs::path folderPath = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const Fd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return describe(errno);
    const std::string name = path.filename().string();
    struct stat record {};
    const bool exists = ::fstatat(folder.get(), name.c_str(), &record, 0) == 0;
    if (!exists && errno != ENOENT)
        return describe(errno);
    // The record's own protection holds even where its folder would let a rename replace it.
    if (exists && ::faccessat(folder.get(), name.c_str(), W_OK, AT_EACCESS) != 0)
        return describe(errno);

    const save_copy::Place place = save_copy::beside(path, Fd());
    posix::removeStaleTemporaries(folder.get(), place.temporaryPrefix);
    if (exists && record.st_nlink > 1)
        return writeInPlace(folder.get(), path, bytes);

    std::string temporary;
    int error = 0;
    const Fd file =
        posix::createLockedTemporary(folder.get(), place.temporaryPrefix, temporary, error);
    if (!file.valid())
        return exists && (refusedByRights(error) || error == EROFS)
                   ? writeInPlace(folder.get(), path, bytes)
                   : describe(error);
    error = fill(file.get(), bytes, exists ? &record : nullptr, path);
    if (!error && ::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0)
        error = refusedByRights(errno) && exists ? kWriteInPlace : errno;
    if (error) {
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        return error == kWriteInPlace ? writeInPlace(folder.get(), path, bytes) : describe(error);
    }
    // Now the record itself: readers wait for a locked record (an in-place save under way).
    ::flock(file.get(), LOCK_UN);
    // A copy left by an earlier in-place save that was interrupted is now out of date.
    Fd leftover;
    if (posix::openUnlocked(folder.get(), place.copyName, leftover))
        ::unlinkat(folder.get(), place.copyName.c_str(), 0);
    error = posix::syncFolder(folder.get());
    return error ? describe(error) : std::string();
}

} // namespace obrix::records
