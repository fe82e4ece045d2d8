#pragma once

// What the program was started with, as the start-up open needs it: on Windows the command
// line's argument text as one string (the platform hands the program nothing better), elsewhere
// the argument list. Tests start the window with any command line through a source of their own.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace obrix::services {

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

class StartupCommandLineSource {
public:
    virtual ~StartupCommandLineSource() = default;
    virtual StartupCommandLine startupCommandLine() = 0;

protected:
    StartupCommandLineSource() = default;
    StartupCommandLineSource(const StartupCommandLineSource&) = default;
    StartupCommandLineSource& operator=(const StartupCommandLineSource&) = default;
};

// The running program's own command line.
class ProgramCommandLine final : public StartupCommandLineSource {
public:
    StartupCommandLine startupCommandLine() override;
};

// The candidates of a command line (UTF-8), see records/command_line.h.
std::vector<std::string> startupCandidates(const StartupCommandLine& commandLine);

} // namespace obrix::services
