#include "records/save/file_replace.h"

#include "records/save/save_copy.h"

#include <fcntl.h>
#include <unistd.h>

namespace obrix::records {

namespace fs = std::filesystem;
using posix::Fd;

std::optional<fs::path> interruptedSaveCopy(const fs::path& path) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    save_copy::Place places[] = {
        save_copy::beside(path, Fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))),
        save_copy::inUserFolder(path, false)};
    for (const save_copy::Place& place : places) {
        Fd copy;
        if (!place.folder.valid() || !posix::openUnlocked(place.folder.get(), place.copyName, copy))
            continue;
        // A save killed after writing the whole record leaves a copy of nothing worth offering.
        const Fd record(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        std::string recordBytes;
        std::string copyBytes;
        if (record.valid() && posix::readAll(record.get(), recordBytes) == 0 &&
            posix::readAll(copy.get(), copyBytes) == 0 && recordBytes == copyBytes) {
            ::unlinkat(place.folder.get(), place.copyName.c_str(), 0);
            continue;
        }
        return place.folderPath / place.copyName;
    }
    return std::nullopt;
}

std::string restoreSaveCopy(const fs::path& path, const fs::path& copyPath) {
    const Fd copy(::open(copyPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (!copy.valid())
        return posix::describe(errno);
    const Fd record(::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (!record.valid())
        return posix::describe(errno);
    int error = posix::copyContents(copy.get(), record.get());
    if (!error && ::fsync(record.get()) != 0)
        error = errno;
    if (error)
        return posix::describe(error);
    ::unlink(copyPath.c_str());
    return {};
}

} // namespace obrix::records
