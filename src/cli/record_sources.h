#pragma once

// Turns the PATHs of the command line into the list of records to score, in output order.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::cli {

inline constexpr std::string_view kNoRecordFiles = "no record files (*.oci) found";

struct RecordSource {
    enum class Kind {
        File,          // a record file to read
        StandardInput, // "-"
        Problem,       // a PATH or folder that gave no record to read: error says why
    };
    Kind kind = Kind::File;
    std::filesystem::path path;
    std::string error; // the system's description, for Problem

    friend bool operator==(const RecordSource&, const RecordSource&) = default;
};

// The records for the PATHs, in the order given. A file is taken as it is, whatever its name.
// A folder gives its files ending in ".oci" (in any letter case), skipping hidden ones (names
// beginning with a period) and anything that is not a regular file (or a link to one), in
// byte order of their names; with recursive, the files of its subfolders too, the whole list
// sorted by path so each subfolder's files follow its name. Symbolic links to folders are not
// followed, so a link cannot lead the walk in circles; hidden subfolders are skipped. A folder
// that cannot be listed becomes a Problem in its place and the rest carries on; a folder PATH
// that lists fine but holds no record file (with recursive, in none of its subfolders either)
// becomes a Problem with kNoRecordFiles, so a mistyped folder is not taken for an empty success.
// A PATH that does not exist is taken as a file, whose reading then fails.
std::vector<RecordSource> collectRecordSources(const std::vector<std::string>& paths,
                                               bool recursive);

// True for a name the folder listing takes: "*.oci" in any letter case and not hidden.
bool isRecordFileName(std::string_view fileName);

} // namespace obrix::cli
