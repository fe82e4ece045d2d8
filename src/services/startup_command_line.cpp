#include "services/startup_command_line.h"

#include "records/command_line.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace obrix::services {

StartupCommandLine ProgramCommandLine::startupCommandLine() {
#ifdef Q_OS_WIN
    const QString whole = QString::fromWCharArray(::GetCommandLineW());
    return StartupCommandLine::fromText(
        QString::fromStdString(records::argumentText(whole.toStdString())));
#else
    // Qt has already taken out the options it handles itself (-platform, -style, ...).
    return StartupCommandLine::fromArguments(QCoreApplication::arguments().mid(1));
#endif
}

std::vector<std::string> startupCandidates(const StartupCommandLine& commandLine) {
    if (commandLine.form == StartupCommandLine::Form::Text)
        return records::candidatesFromText(commandLine.text.toStdString());
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(commandLine.arguments.size()));
    for (const QString& argument : commandLine.arguments)
        arguments.push_back(argument.toStdString());
    return records::candidatesFromArguments(arguments, records::isOrdinaryFile);
}

} // namespace obrix::services
