#pragma once

// A printed report names a client: the file a print to file writes gives others (users outside
// the owner's group) no access, like a saved record.

#include <QString>

namespace obrix::report {

// Before the print opens fileName: a missing file is created empty with nothing for others
// (owner and group as the umask allows); an existing one loses the rights of others. Returns
// true when it created the file, so that a print that then fails can remove it.
bool prepareOutputFile(const QString& fileName);

} // namespace obrix::report
