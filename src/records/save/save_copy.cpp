#include "records/save/save_copy.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace obrix::records::save_copy {

namespace fs = std::filesystem;

namespace {

// Leaves room in a file name (255 bytes) for the dot and the longest ending.
constexpr std::size_t kNameRoom = 200;

std::string stem(const fs::path& record) {
    return record.filename().string().substr(0, kNameRoom);
}

// The same for the same absolute path in every run of the program (unlike std::hash).
std::string pathHash(const fs::path& record) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const unsigned char byte : fs::absolute(record).lexically_normal().string()) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (std::size_t index = 16; index-- > 0; hash >>= 4)
        text[index] = kDigits[hash & 0xF];
    return text;
}

fs::path userStateFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && fs::path(state).is_absolute())
        return state;
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "state";
    return {};
}

} // namespace

Place beside(const fs::path& record, posix::Fd folder) {
    const std::string name = "." + stem(record);
    return {std::move(folder), record.parent_path(), name + ".obrix-backup", name + ".obrix-save-"};
}

Place inUserFolder(const fs::path& record, bool create) {
    const fs::path state = userStateFolder();
    if (state.empty())
        return {};
    const fs::path folder = state / "obrix" / "backups";
    if (create) {
        std::error_code ignored;
        fs::create_directories(state, ignored);
        for (const fs::path& level : {state / "obrix", folder})
            ::mkdir(level.c_str(), 0700);
    }
    const std::string name = pathHash(record) + "." + stem(record);
    return {posix::Fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)), folder,
            name + ".obrix-backup", name + ".obrix-save-"};
}

} // namespace obrix::records::save_copy
