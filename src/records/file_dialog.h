#pragma once

// The one way the program asks for a file name. Open and Save As describe the dialog they want in
// a FileDialogRequest and get back the chosen name, or nothing when the user cancelled. The
// program shows a QFileDialog; a FileDialogScript replaces it in tests with a queue of answers
// and a record of the requests, and aborts loudly on a dialog it has no answer for, so a test
// never waits on a dialog nobody will close.
//
//     FileDialogScript dialogs;
//     dialogs.answerNext(folder + "/client27");   // what the user typed
//     dialogs.cancelNext();
//     window.mnuFileSaveAs_Click();
//     QCOMPARE(dialogs.requests()[0].title, "Save File As ...");
//
// Whatever the dialog hands back, a name typed without an extension gets the default one here;
// when that names an existing file the user is asked before it is replaced, since the dialog only
// asked about the name as typed.

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

class QFileDialog;

namespace obrix::records {

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
    using Presenter = std::function<FileDialogAnswer(const FileDialogRequest&)>;

    // Shows the dialog modally and returns the chosen name with the default suffix applied;
    // nothing when the user cancelled or chose no name.
    static FileDialogAnswer show(const FileDialogRequest& request);

    // Replaces the presenter (empty: the real dialog). Returns the previous one.
    static Presenter setPresenter(Presenter presenter);
};

// Sets up a QFileDialog as the request describes (used by the real presenter).
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

// The name with ".suffix" appended when its last component has no period at all.
QString withDefaultSuffix(const QString& name, const QString& suffix);

// Test double: while it lives, every file dialog is recorded and answered from its queue.
// A dialog with nothing queued aborts the process (qFatal) naming the dialog's title.
class FileDialogScript {
public:
    FileDialogScript();
    ~FileDialogScript();
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    // The next dialog returns name, exactly as if the user had typed or picked it.
    void answerNext(const QString& name) { answers_.emplace_back(name); }
    void cancelNext() { answers_.emplace_back(std::nullopt); }

    const QList<FileDialogRequest>& requests() const { return requests_; }
    qsizetype pendingAnswers() const { return static_cast<qsizetype>(answers_.size()); }

private:
    FileDialogAnswer answer(const FileDialogRequest& request);

    std::deque<FileDialogAnswer> answers_;
    QList<FileDialogRequest> requests_;
    FileDialogs::Presenter previous_;
};

} // namespace obrix::records
