#include "records/settings_store.h"

#include <QSettings>

#include <utility>

namespace obrix::records {

namespace {

SettingReader& reader() {
    static SettingReader current;
    return current;
}

QString readUserSetting(const QString& section, const QString& key, const QString& fallback) {
    const QSettings settings(QStringLiteral("Obrix"), QStringLiteral("Obrix"));
    return settings.value(section + QLatin1Char('/') + key, fallback).toString();
}

} // namespace

QString readSetting(const QString& section, const QString& key, const QString& fallback) {
    const QString value =
        reader() ? reader()(section, key, fallback) : readUserSetting(section, key, fallback);
    return value.isEmpty() ? fallback : value;
}

SettingReader setSettingReader(SettingReader replacement) {
    return std::exchange(reader(), std::move(replacement));
}

} // namespace obrix::records
