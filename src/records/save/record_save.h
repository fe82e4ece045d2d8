#pragma once

// Saving record files on disk. Lives beside the Qt-free core in its own library, because it
// needs the platform's file library (GIO on Linux, the Windows API on Windows) that the reader
// and obrix-score do without.

#include "records/client_record.h"

#include <filesystem>
#include <string>

namespace obrix::records {

// Saves the record at path, replacing any file there. Returns an empty string on success,
// otherwise the system's description of the failure.
//
// A saved file keeps its identity: other hard links, owner, group, mode, extended attributes
// and access control lists stay as they were, and a symbolic link is followed to the file it
// points to. A save that fails (full disk, missing folder, read-only file) leaves the previous
// file exactly as it was. A writable file in a folder the user may not write can be saved.
// A new file gets the usual permissions for new files.
std::string writeRecordFile(const std::filesystem::path& path, const ClientRecord& record);

} // namespace obrix::records
