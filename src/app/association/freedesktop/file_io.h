#pragma once

// File operations for the per-user association files and the probe file. They are careful
// with paths other programs or users may have put something unexpected at: they never write
// through a symbolic link, never block on a FIFO, never replace an existing file by renaming.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace obrix::association::freedesktop {

// Content of a regular file of at most maxBytes (following symbolic links); nullopt when it is
// missing, not a regular file, too large or unreadable.
std::optional<std::string> readRegularFile(const std::string& path,
                                           std::size_t maxBytes = std::size_t{1} << 20);

// Creates the folder and its missing parents, new ones with mode 0700.
bool makeFolders(const std::string& folder);

// Gives path this content by writing a new file beside it and renaming it into place, so
// readers see the old or the new content, never a part. Missing folders are made. Anything
// at path other than a regular file (a symbolic link, a folder, a FIFO) is left alone and
// counts as failure. A file that already holds the content is not touched.
bool writeFileAtomically(const std::string& path, std::string_view content);

// With unique 0: creates folder/<prefix><hex digits>.TMP under a name that did not exist,
// and returns its path. With another unique the name is made from it and nothing is created.
// "" on failure.
std::string createUniqueTempFile(std::string_view folder, std::string_view prefix, unsigned unique);

// Renames from to to, failing rather than replacing an existing to.
bool renameWithoutReplacing(const std::string& from, const std::string& to);

// Whether anything (also a dangling symbolic link) is at path; true as well when that cannot
// be told, so that callers leave such a path alone.
bool somethingAt(const std::string& path);

// A folder, or a symbolic link to one.
bool isFolder(const std::string& path);

// A regular file the user may execute.
bool isExecutableFile(const std::string& path);

} // namespace obrix::association::freedesktop
