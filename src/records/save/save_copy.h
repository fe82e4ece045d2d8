#pragma once

// Where a save keeps its temporary file and, when it must write the record in place, the copy of
// the previous contents: beside the record, or, when its folder may not be written, in the user's
// own state folder ($XDG_STATE_HOME/obrix/backups, else ~/.local/state/obrix/backups). The names
// start with the record's own name, so that the files of one record are recognisable as such:
//
//     .client.oci.obrix-save-Xa81Qz    the new contents on their way (removed once stale)
//     .client.oci.obrix-backup         the previous contents while a save writes in place

#include "records/save/posix_file.h"

#include <filesystem>
#include <string>

namespace obrix::records::save_copy {

// A folder open for the *at calls, the name of the copy in it and the prefix of temporaries.
struct Place {
    posix::Fd folder;
    std::filesystem::path folderPath;
    std::string copyName;
    std::string temporaryPrefix;
};

// Beside the record: in its folder, named after it.
Place beside(const std::filesystem::path& record, posix::Fd folder);

// In the user's state folder (with create, made private when missing), named after the record's
// name and its whole path. An invalid folder when there is no such folder.
Place inUserFolder(const std::filesystem::path& record, bool create);

} // namespace obrix::records::save_copy
