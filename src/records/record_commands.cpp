#include "records/record_commands.h"

#include "records/command_line.h"
#include "records/file_dialog.h"
#include "records/record_file.h"
#include "records/record_messages.h"
#include "records/record_texts.h"
#include "records/save/record_save.h"
#include "records/settings_store.h"
#include "records/startup_command_line.h"
#include "records/utf8_path.h"
#include "records/window_record.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QPlainTextEdit>

#include <system_error>

namespace obrix::records {

namespace {

using ui::MessageAnswer;
using ui::MessageBoxes;
using ui::MessageButtons;
using ui::MessageIcon;

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

// A record read and checked against what the window can show; error empty on success.
ReadResult readForWindow(const ui::frmMain& window, const QString& path) {
    ReadResult result = readRecordFile(utf8Path(path.toStdString()));
    if (result.ok()) {
        if (std::string problem = showRecordProblem(window, *result.record); !problem.empty())
            return {std::nullopt, std::move(problem)};
    }
    return result;
}

} // namespace

RecordCommands::RecordCommands(ui::frmMain& window)
    : window_(window) {
    using Command = ui::frmMain::Command;
    window_.setCommandHandler(Command::New, [this] { newRecord(); });
    window_.setCommandHandler(Command::Open, [this] { open(); });
    window_.setCommandHandler(Command::Save, [this] { save(); });
    window_.setCommandHandler(Command::SaveAs, [this] { saveAs(); });
    window_.setUnloadHandler([this](bool& cancel) { unload(cancel); });
}

void RecordCommands::newRecord() {
    emptyNameAndResults(window_);
    for (QComboBox* box : window_.itemBoxes())
        box->clearEditText();
    window_.Frame1->hide();
    window_.Frame2->show();
    window_.txtWarning->setPlainText(texts::kStartAgainWarning);
    recordFile_.clear();
}

void RecordCommands::open() {
    if (!settleUnsavedChanges(texts::kOpenQuestion))
        return;

    dialogFolder_ = readSetting(texts::kFilesSection, texts::kInitialFolderKey,
                                QCoreApplication::applicationDirPath());
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.filterDescription = texts::kOpenFilter;
    request.filterPattern = texts::kRecordPattern;
    request.initialFolder = dialogFolder_;
    request.fileName = lastChosenName_;
    const FileDialogAnswer chosen = FileDialogs::show(request);
    if (!chosen)
        return;
    lastChosenName_ = *chosen;

    // Read before touching the window, so that a file that cannot be read leaves the record on
    // show, its results and its changed state exactly as they were.
    const ReadResult read = readForWindow(window_, *chosen);
    if (!read.ok()) {
        showUnreadable(read.error);
        return;
    }
    emptyNameAndResults(window_);
    ShowRecord(window_, *read.record);
    window_.RecordChanged(true);
    recordFile_ = absolute(*chosen);
}

SaveOutcome RecordCommands::save() {
    if (recordFile_.isEmpty())
        return saveAs();
    return writeTo(recordFile_);
}

SaveOutcome RecordCommands::saveAs() {
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = texts::kSaveAsTitle;
    request.filterDescription = texts::kSaveAsFilter;
    request.filterPattern = texts::kRecordPattern;
    request.initialFolder = dialogFolder_;
    request.fileName = recordFile_;
    request.defaultSuffix = texts::kRecordSuffix;
    request.confirmOverwrite = true;
    const FileDialogAnswer chosen = FileDialogs::show(request);
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

void RecordCommands::openStartupRecord(const StartupCommandLine& commandLine) {
    if (commandLine.isEmpty())
        return;
    const std::optional<std::string> chosen =
        chooseStartupFile(startupCandidates(commandLine), isOrdinaryFile);
    if (!chosen) {
        showUnreadable(std::make_error_code(std::errc::no_such_file_or_directory).message());
        return;
    }
    const QString path = QString::fromStdString(*chosen);
    const ReadResult read = readForWindow(window_, path);
    if (!read.ok()) {
        showUnreadable(read.error);
        return;
    }
    ShowRecord(window_, *read.record);
    dialogFolder_ = QCoreApplication::applicationDirPath();
    window_.RecordChanged(true);
    recordFile_ = absolute(path);
}

bool RecordCommands::settleUnsavedChanges(const QString& question) {
    if (!window_.RecordChanged(false))
        return true;
    switch (MessageBoxes::show(question, MessageButtons::YesNoCancel, MessageIcon::Question,
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
    const std::string failure =
        writeRecordFile(utf8Path(path.toStdString()), windowRecord(window_));
    if (!failure.empty()) {
        MessageBoxes::show(QString::fromStdString(saveFailureMessage(failure)));
        return SaveOutcome::Failed;
    }
    window_.RecordChanged(true);
    return SaveOutcome::Saved;
}

void RecordCommands::showUnreadable(const std::string& description) {
    MessageBoxes::show(QString::fromStdString(unreadableRecordMessage(description)));
}

} // namespace obrix::records
