#include "records/startup_command_line.h"

#include "records/command_line.h"

#include <QCoreApplication>

#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace obrix::records {

namespace {

StartupCommandLineSource& source() {
    static StartupCommandLineSource current;
    return current;
}

StartupCommandLine programCommandLine() {
#ifdef Q_OS_WIN
    const QString whole = QString::fromWCharArray(::GetCommandLineW());
    return StartupCommandLine::fromText(QString::fromStdString(argumentText(whole.toStdString())));
#else
    // Qt has already taken out the options it handles itself (-platform, -style, ...).
    return StartupCommandLine::fromArguments(QCoreApplication::arguments().mid(1));
#endif
}

} // namespace

StartupCommandLine startupCommandLine() {
    return source() ? source()() : programCommandLine();
}

StartupCommandLineSource setStartupCommandLineSource(StartupCommandLineSource replacement) {
    return std::exchange(source(), std::move(replacement));
}

std::vector<std::string> startupCandidates(const StartupCommandLine& commandLine) {
    if (commandLine.form == StartupCommandLine::Form::Text)
        return candidatesFromText(commandLine.text.toStdString());
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(commandLine.arguments.size()));
    for (const QString& argument : commandLine.arguments)
        arguments.push_back(argument.toStdString());
    return candidatesFromArguments(arguments, isOrdinaryFile);
}

} // namespace obrix::records
