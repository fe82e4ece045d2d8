#include "record_commands/record_commands.h"

#include "record_commands/record_texts.h"
#include "records/command_line.h"
#include "records/record_file.h"
#include "records/record_messages.h"
#include "records/save/record_save.h"
#include "records/utf8_path.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <system_error>

namespace obrix::records {

namespace {

using services::chooseFileName;
using services::FileDialogAnswer;
using services::MessageAnswer;
using services::MessageButtons;
using services::MessageIcon;

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

RecordCommands::RecordCommands(RecordForm& window, const services::Services& services)
    : window_(window)
    , services_(services) {}

void RecordCommands::newRecord() {
    window_.emptyNameAndResults();
    window_.emptyItems();
    window_.showInstructions(texts::kStartAgainWarning);
    recordFile_.clear();
}

void RecordCommands::open() {
    if (!settleUnsavedChanges(texts::kOpenQuestion))
        return;

    dialogFolder_ = services_.settings.read(texts::kFilesSection, texts::kInitialFolderKey,
                                            QCoreApplication::applicationDirPath());
    services::FileDialogRequest request;
    request.kind = services::FileDialogKind::Open;
    request.filterDescription = texts::kOpenFilter;
    request.filterPattern = texts::kRecordPattern;
    request.initialFolder = dialogFolder_;
    request.fileName = lastChosenName_;
    const FileDialogAnswer chosen =
        chooseFileName(services_.fileDialogs, services_.messages, request);
    if (!chosen)
        return;
    lastChosenName_ = *chosen;

    // Read before touching the window, so that a file that cannot be read leaves the record on
    // show, its results and its changed state exactly as they were.
    const ReadResult read = readRecord(*chosen);
    if (!read.ok()) {
        showUnreadable(read.error);
        return;
    }
    window_.emptyNameAndResults();
    window_.ShowRecord(*read.record);
    window_.RecordChanged(true);
    recordFile_ = absolute(*chosen);
}

SaveOutcome RecordCommands::save() {
    if (recordFile_.isEmpty())
        return saveAs();
    // Another window or program may have saved the record meanwhile: its work is not replaced
    // without the user's Yes.
    if (changedOnDisk() &&
        services_.messages.show(texts::kChangedOnDiskQuestion, MessageButtons::YesNo,
                                MessageIcon::Question, MessageAnswer::No) != MessageAnswer::Yes)
        return SaveOutcome::Cancelled;
    return writeTo(recordFile_);
}

SaveOutcome RecordCommands::saveAs() {
    services::FileDialogRequest request;
    request.kind = services::FileDialogKind::Save;
    request.title = texts::kSaveAsTitle;
    request.filterDescription = texts::kSaveAsFilter;
    request.filterPattern = texts::kRecordPattern;
    request.initialFolder = dialogFolder_;
    request.fileName = recordFile_;
    request.defaultSuffix = texts::kRecordSuffix;
    request.confirmOverwrite = true;
    const FileDialogAnswer chosen =
        chooseFileName(services_.fileDialogs, services_.messages, request);
    if (!chosen)
        return SaveOutcome::Cancelled;
    lastChosenName_ = *chosen;
    const SaveOutcome outcome = writeTo(*chosen);
    if (outcome == SaveOutcome::Saved)
        recordFile_ = absolute(*chosen);
    return outcome;
}

void RecordCommands::unload(bool& cancel) {
    cancel = !settleUnsavedChanges(texts::kCloseQuestion);
}

void RecordCommands::openStartupRecord(const services::StartupCommandLine& commandLine) {
    if (commandLine.isEmpty())
        return;
    const std::vector<std::string> candidates = services::startupCandidates(commandLine);
    const std::optional<std::string> chosen = chooseStartupFile(candidates, isOrdinaryFile);
    if (!chosen) {
        showUnreadable(noStartupFileReason(candidates));
        return;
    }
    const QString path = QString::fromStdString(*chosen);
    const ReadResult read = readRecord(path);
    if (!read.ok()) {
        showUnreadable(read.error);
        return;
    }
    window_.ShowRecord(*read.record);
    dialogFolder_ = QCoreApplication::applicationDirPath();
    window_.RecordChanged(true);
    recordFile_ = absolute(path);
}

bool RecordCommands::settleUnsavedChanges(const QString& question) {
    if (!window_.RecordChanged(false))
        return true;
    switch (services_.messages.show(question, MessageButtons::YesNoCancel, MessageIcon::Question,
                                    MessageAnswer::Yes)) {
    case MessageAnswer::Yes:
        // Only a save that went through lets the command go on: nothing is lost unless the user
        // says No.
        return saveAs() == SaveOutcome::Saved;
    case MessageAnswer::No:
        return true;
    case MessageAnswer::Cancel:
    case MessageAnswer::Ok:
        break;
    }
    return false;
}

SaveOutcome RecordCommands::writeTo(const QString& path) {
    const ClientRecord record = window_.record();
    const std::string failure = writeRecordFile(utf8Path(path.toStdString()), record);
    if (!failure.empty()) {
        services_.messages.show(QString::fromStdString(saveFailureMessage(failure)));
        return SaveOutcome::Failed;
    }
    recordBytes_ = encodeRecord(record);
    window_.RecordChanged(true);
    return SaveOutcome::Saved;
}

ReadResult RecordCommands::readRecord(const QString& path) {
    const std::filesystem::path file = utf8Path(path.toStdString());
    if (const std::optional<std::filesystem::path> copy = findInterruptedSave(file);
        copy &&
        services_.messages.show(texts::kInterruptedSaveQuestion, MessageButtons::YesNo,
                                MessageIcon::Question, MessageAnswer::Yes) == MessageAnswer::Yes) {
        if (const std::string failure = restoreInterruptedSave(file, *copy); !failure.empty())
            services_.messages.show(QString::fromStdString(saveFailureMessage(failure)));
    }
    std::string bytes;
    ReadResult result = readRecordFile(file, bytes);
    if (result.ok()) {
        if (std::string problem = window_.showRecordProblem(*result.record); !problem.empty())
            return {std::nullopt, std::move(problem)};
        recordBytes_ = std::move(bytes);
    }
    return result;
}

bool RecordCommands::changedOnDisk() const {
    const std::filesystem::path file = utf8Path(recordFile_.toStdString());
    std::error_code error;
    // A record removed meanwhile is simply saved again.
    if (!std::filesystem::exists(file, error))
        return false;
    std::string bytes;
    readRecordFile(file, bytes);
    return bytes != recordBytes_;
}

void RecordCommands::showUnreadable(const std::string& description) {
    services_.messages.show(QString::fromStdString(unreadableRecordMessage(description)));
}

} // namespace obrix::records
