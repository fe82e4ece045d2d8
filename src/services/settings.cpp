#include "services/settings.h"

#include <QSettings>

namespace obrix::services {

QString Settings::read(const QString& section, const QString& key, const QString& fallback) {
    const QString value = stored(section, key, fallback);
    return value.isEmpty() ? fallback : value;
}

QString UserSettings::stored(const QString& section, const QString& key, const QString& fallback) {
    const QSettings settings(QStringLiteral("Obrix"), QStringLiteral("Obrix"));
    return settings.value(section + QLatin1Char('/') + key, fallback).toString();
}

} // namespace obrix::services
