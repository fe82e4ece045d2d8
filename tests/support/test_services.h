#pragma once

// Every service as a test double, owned together: scripted message boxes and file dialogs,
// settings from a map, a fixed "today", a chosen command line (empty by default: the test
// runner's own arguments are no record to open) and a browser that only records.
//
//     TestServices doubles;
//     frmMain window(doubles.services());

#include "file_dialog_script.h"
#include "message_box_script.h"
#include "recording_url_opener.h"
#include "services/services.h"

#include <QMap>

namespace obrix::testing {

// Settings from a map keyed "Section/Key".
class MapSettings final : public services::Settings {
public:
    QMap<QString, QString> values;

protected:
    QString stored(const QString& section, const QString& key, const QString& fallback) override {
        return values.value(section + QLatin1Char('/') + key, fallback);
    }
};

class FixedClock final : public services::Clock {
public:
    explicit FixedClock(QDate day)
        : date(day) {}
    QDate today() override { return date; }
    QDate date;
};

class FixedCommandLine final : public services::StartupCommandLineSource {
public:
    services::StartupCommandLine startupCommandLine() override { return commandLine; }
    services::StartupCommandLine commandLine;
};

class TestServices {
public:
    explicit TestServices(QDate today = QDate(2024, 3, 14))
        : clock(today) {}
    TestServices(const TestServices&) = delete;
    TestServices& operator=(const TestServices&) = delete;

    services::Services services() {
        return {messages, dialogs, settings, clock, commandLine, urls};
    }

    MessageBoxScript messages;
    FileDialogScript dialogs;
    MapSettings settings;
    FixedClock clock;
    FixedCommandLine commandLine;
    RecordingUrlOpener urls;
};

} // namespace obrix::testing
