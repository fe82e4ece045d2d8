#pragma once

// Saving record files on disk. Lives beside the Qt-free core in its own library, because it
// needs the platform's file calls that the reader and obrix-score do without.

#include "records/client_record.h"

#include <filesystem>
#include <optional>
#include <string>

namespace obrix::records {

// Saves the record at path, replacing any file there. Returns an empty string on success,
// otherwise the system's description of the failure.
//
// The new record replaces the old one in one step (readers see one or the other, whole), and
// keeps its group, mode, extended attributes and access control lists; its owner too where the
// process may give it (else the saver becomes the owner). A symbolic link is followed to the
// file it points to. A file with a second hard link, or a writable one in a folder the user may
// not write, is written in place after a copy of it is kept (see findInterruptedSave). A save
// that fails (full disk, missing folder, read-only file) leaves the previous file exactly as it
// was. A new file is created with nothing for others: owner and group as the umask allows.
std::string writeRecordFile(const std::filesystem::path& path, const ClientRecord& record);

// The copy kept by an in-place save of the record at path that was interrupted (and that
// differs from the record now), to offer back; nothing when there is none.
std::optional<std::filesystem::path> findInterruptedSave(const std::filesystem::path& path);

// Puts the copy's contents back into the record and removes the copy. Returns an empty string
// on success, otherwise the system's description of the failure.
std::string restoreInterruptedSave(const std::filesystem::path& path,
                                   const std::filesystem::path& copy);

} // namespace obrix::records
