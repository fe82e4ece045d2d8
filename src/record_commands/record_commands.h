#pragma once

// The record commands of the main window: Start Again and New, Open, Save (Overwrite), Save As,
// the question before the window closes, and the start-up open of a record named on the command
// line. The window's controls hold the record; this object holds only what the controls cannot:
// the name of the record's own file and the settings the file dialog keeps between uses.
//
// Unsaved edits are never lost without the user's No: when the user answers Yes to save first and
// the save is then cancelled or fails, the opening or the closing does not go on.
//
// Start-up makes one of these for the main window and connects the window's New, Open, Save and
// Save As commands and its unload handler to it.

#include "record_commands/record_form.h"
#include "records/record_format.h"
#include "services/services.h"

#include <QString>

#include <string>

namespace obrix::records {

enum class SaveOutcome { Saved, Cancelled, Failed };

class RecordCommands {
public:
    // Messages, file dialogs and the settings come from `services`.
    RecordCommands(RecordForm& window, const services::Services& services);
    RecordCommands(const RecordCommands&) = delete;
    RecordCommands& operator=(const RecordCommands&) = delete;

    // Empties the identifier, the items and the results, shows the instructions and rewrites the
    // warning. Asks nothing and clears no changed flag; the record no longer has a file.
    void newRecord();

    // Asks about unsaved changes, lets the user choose a record and shows it. A file that cannot
    // be read is reported and leaves the window exactly as it was. Like the start-up open, it
    // first offers back the copy an interrupted in-place save of the record left.
    void open();

    // Writes the record to its own file without a dialog; a record without a file runs Save As.
    // When the file changed on disk since this window read or wrote it, asks first; No leaves
    // the file alone (Cancelled).
    SaveOutcome save();

    // Lets the user choose a file and writes the record to it. Cancelling is silent; a failure is
    // reported. Either leaves the changed flags as they were.
    SaveOutcome saveAs();

    // The closing of the window: asks about unsaved changes; sets cancel to keep the window open.
    void unload(bool& cancel);

    // Opens the last existing file the command line names, if it names any; with an empty command
    // line it does nothing. Failures are reported and leave the window as it loaded.
    void openStartupRecord(const services::StartupCommandLine& commandLine);

    // The absolute path of the record's own file; empty when it has none.
    const QString& recordFile() const { return recordFile_; }
    // The name last chosen in a file dialog, offered again by Open.
    const QString& lastChosenName() const { return lastChosenName_; }
    // Where the file dialog starts when no name says otherwise; empty for the platform's default.
    const QString& dialogFolder() const { return dialogFolder_; }

private:
    // Asks question when the record has unsaved changes; true when the command may go on.
    bool settleUnsavedChanges(const QString& question);
    SaveOutcome writeTo(const QString& path);
    void showUnreadable(const std::string& description);
    // Reads the record at path for the window, after offering back an interrupted save's copy.
    ReadResult readRecord(const QString& path);
    bool changedOnDisk() const;

    RecordForm& window_;
    services::Services services_;
    QString recordFile_;
    // The bytes of recordFile_ as this window last read or wrote them.
    std::string recordBytes_;
    QString lastChosenName_;
    QString dialogFolder_;
};

} // namespace obrix::records
