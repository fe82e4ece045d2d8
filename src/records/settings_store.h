#pragma once

// The per-user settings the program reads (it never writes any): organisation and application
// "Obrix", one section and key per value, e.g. section "Files", key "InitDir". Behind a
// replaceable reader so that tests can supply the values.

#include <QString>

#include <functional>

namespace obrix::records {

using SettingReader =
    std::function<QString(const QString& section, const QString& key, const QString& fallback)>;

// The stored text, or fallback when there is none (or it is empty).
QString readSetting(const QString& section, const QString& key, const QString& fallback);

// Replaces the reader (empty: the user's settings store). Returns the previous one.
SettingReader setSettingReader(SettingReader reader);

} // namespace obrix::records
