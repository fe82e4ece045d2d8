#pragma once

// Reading record files from disk (saving is records/save/record_save.h).

#include "records/record_format.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace obrix::records {

// A record is a few kilobytes at most; a file larger than this is refused unread, so that a huge
// or sparse file chosen by mistake neither freezes the window nor fills its memory.
inline constexpr std::size_t kRecordSizeLimit = 1u << 20;
inline constexpr std::string_view kNotARecordFile = "Not a record file";

// How much of a stream (standard input) is read at most; whatever lies beyond is past the
// twenty fields anyway.
inline constexpr std::size_t kRecordReadLimit = 64u << 20;

// Reads the record at path. A file that cannot be opened or read fails with the system's
// description ("No such file or directory", "Is a directory", ...), one larger than
// kRecordSizeLimit with kNotARecordFile; its content fails as decodeRecord does.
ReadResult readRecordFile(const std::filesystem::path& path);

// The same, also giving the bytes read (for telling later whether the file has changed).
ReadResult readRecordFile(const std::filesystem::path& path, std::string& bytes);

// Describes why path cannot be read or replaced as a plain file ("Is a directory", "Not a
// regular file", ...); empty when it can, or, with mayBeMissing, when it does not exist yet.
std::string plainFileProblem(const std::filesystem::path& path, bool mayBeMissing);

} // namespace obrix::records
