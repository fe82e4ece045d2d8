#include "report/private_output_file.h"

#include <QFile>

namespace obrix::report {

bool prepareOutputFile(const QString& fileName) {
    QFile file(fileName);
    if (file.exists()) {
        file.setPermissions(file.permissions() &
                            ~(QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
        return false;
    }
    // The print then truncates this file and keeps its mode.
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
}

} // namespace obrix::report
