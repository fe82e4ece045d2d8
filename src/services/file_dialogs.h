#pragma once

// The one way the program asks for a file name. Open and Save As describe the dialog they want in
// a FileDialogRequest and get back the chosen name, or nothing when the user cancelled. The
// program passes QtFileDialogs; tests pass a double that scripts the answers.
//
// Whatever the dialog hands back, chooseFileName gives a name typed without an extension the
// default one; when that names an existing file the user is asked before it is replaced, since the
// dialog only asked about the name as typed.

#include <QString>

#include <optional>

class QFileDialog;

namespace obrix::services {

class MessageBoxes;

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;             // empty: the platform's own title for the kind
    QString filterDescription; // the filter entry as shown, e.g. "OCI files (*.oci)"
    QString filterPattern;     // the files it lists, e.g. "*.oci"
    QString initialFolder;     // empty: wherever the platform starts
    QString fileName;          // the file name field as it starts (may hold a whole path)
    QString defaultSuffix;     // without the period; empty for none
    bool confirmOverwrite = false;
};

// The chosen name; nothing when the dialog was cancelled or handed back an empty name.
using FileDialogAnswer = std::optional<QString>;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // Shows the dialog modally and returns the name as the dialog handed it back.
    virtual FileDialogAnswer ask(const FileDialogRequest& request) = 0;

protected:
    FileDialogs() = default;
    FileDialogs(const FileDialogs&) = default;
    FileDialogs& operator=(const FileDialogs&) = default;
};

// A QFileDialog over the active window.
class QtFileDialogs final : public FileDialogs {
public:
    FileDialogAnswer ask(const FileDialogRequest& request) override;
};

// Asks `dialogs` and returns the chosen name with the default suffix applied; nothing when the
// user cancelled, chose no name, or refused (in `messages`) to replace the completed name.
FileDialogAnswer chooseFileName(FileDialogs& dialogs, MessageBoxes& messages,
                                const FileDialogRequest& request);

// Sets up a QFileDialog as the request describes (used by QtFileDialogs).
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

// The name with ".suffix" appended when its last component has no period at all.
QString withDefaultSuffix(const QString& name, const QString& suffix);

} // namespace obrix::services
