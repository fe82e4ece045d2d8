#pragma once

// What the program was started with, as the start-up open needs it: on Windows the command
// line's argument text as one string (the platform hands the program nothing better), elsewhere
// the argument list. Behind a replaceable source so that tests can start the window with any
// command line.

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace obrix::records {

struct StartupCommandLine {
    enum class Form { Arguments, Text };
    Form form = Form::Arguments;
    QStringList arguments; // Form::Arguments: the arguments after the program's name
    QString text;          // Form::Text: the argument text after the program's name

    // True when nothing follows the program's name.
    bool isEmpty() const { return form == Form::Text ? text.isEmpty() : arguments.isEmpty(); }

    static StartupCommandLine fromArguments(QStringList list) {
        return {Form::Arguments, std::move(list), {}};
    }
    static StartupCommandLine fromText(QString argumentText) {
        return {Form::Text, {}, std::move(argumentText)};
    }
};

using StartupCommandLineSource = std::function<StartupCommandLine()>;

// The program's command line from the current source.
StartupCommandLine startupCommandLine();

// Replaces the source (empty: the running program's own command line). Returns the previous one.
StartupCommandLineSource setStartupCommandLineSource(StartupCommandLineSource source);

// The candidates of a command line (UTF-8), see records/command_line.h.
std::vector<std::string> startupCandidates(const StartupCommandLine& commandLine);

} // namespace obrix::records
