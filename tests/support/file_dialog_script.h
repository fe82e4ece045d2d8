#pragma once

// File dialogs answered from a queue, with a record of the requests. A dialog with nothing queued
// aborts the process (qFatal) naming the dialog's title.
//
//     FileDialogScript dialogs;
//     dialogs.answerNext(folder + "/client27");   // what the user typed
//     dialogs.cancelNext();
//     window.mnuFileSaveAs_Click();
//     QCOMPARE(dialogs.requests()[0].title, "Save File As ...");

#include "services/file_dialogs.h"

#include <QList>

#include <deque>

namespace obrix::testing {

class FileDialogScript final : public services::FileDialogs {
public:
    FileDialogScript() = default;
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    services::FileDialogAnswer ask(const services::FileDialogRequest& request) override;

    // The next dialog returns name, exactly as if the user had typed or picked it.
    void answerNext(const QString& name) { answers_.emplace_back(name); }
    void cancelNext() { answers_.emplace_back(std::nullopt); }

    const QList<services::FileDialogRequest>& requests() const { return requests_; }
    qsizetype pendingAnswers() const { return static_cast<qsizetype>(answers_.size()); }

private:
    std::deque<services::FileDialogAnswer> answers_;
    QList<services::FileDialogRequest> requests_;
};

} // namespace obrix::testing
