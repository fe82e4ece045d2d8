#pragma once

// The per-user settings the program reads (it never writes any): organisation and application
// "Obrix", one section and key per value, e.g. section "Files", key "InitDir".

#include <QString>

namespace obrix::services {

class Settings {
public:
    virtual ~Settings() = default;

    // The stored text, or fallback when there is none (or it is empty).
    QString read(const QString& section, const QString& key, const QString& fallback);

protected:
    Settings() = default;
    Settings(const Settings&) = default;
    Settings& operator=(const Settings&) = default;

    // The stored text as it is; fallback when nothing is stored.
    virtual QString stored(const QString& section, const QString& key, const QString& fallback) = 0;
};

// The user's settings store (QSettings).
class UserSettings final : public Settings {
protected:
    QString stored(const QString& section, const QString& key, const QString& fallback) override;
};

} // namespace obrix::services
