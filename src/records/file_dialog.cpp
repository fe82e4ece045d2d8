#include "records/file_dialog.h"

#include "ui/message_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace obrix::records {

namespace {

FileDialogs::Presenter& presenter() {
    static FileDialogs::Presenter current;
    return current;
}

// The filter as Qt writes it, "description (patterns)". A description that already names the
// pattern in parentheses, whatever its case, is used as it is: the dialog matches file names
// without regard to case, so "OCI files (*.OCI)" lists the *.oci files.
QString nameFilter(const FileDialogRequest& request) {
    const QString named = QLatin1Char('(') + request.filterPattern + QLatin1Char(')');
    if (request.filterPattern.isEmpty() ||
        request.filterDescription.contains(named, Qt::CaseInsensitive))
        return request.filterDescription;
    return request.filterDescription + QLatin1String(" ") + named;
}

FileDialogAnswer showRealDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    configureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

// The dialog asked about the name as typed; a suffix added afterwards names another file.
bool mayReplace(const QString& name) {
    const QString question =
        QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(name);
    return ui::MessageBoxes::show(question, ui::MessageButtons::YesNo, ui::MessageIcon::Warning,
                                  ui::MessageAnswer::No) == ui::MessageAnswer::Yes;
}

} // namespace

QString withDefaultSuffix(const QString& name, const QString& suffix) {
    if (suffix.isEmpty() || name.isEmpty())
        return name;
    qsizetype start = name.lastIndexOf(QLatin1Char('/')) + 1;
#ifdef Q_OS_WIN
    start = std::max(start, name.lastIndexOf(QLatin1Char('\\')) + 1);
#endif
    if (start == name.size() || name.indexOf(QLatin1Char('.'), start) >= 0)
        return name;
    return name + QLatin1Char('.') + suffix;
}

void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    const bool saving = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setNameFilter(nameFilter(request));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    // A name with a folder in it moves the dialog to that folder, as the platform dialogs do.
    dialog.selectFile(request.fileName);
}

FileDialogAnswer FileDialogs::show(const FileDialogRequest& request) {
    const FileDialogAnswer chosen = presenter() ? presenter()(request) : showRealDialog(request);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    const QString completed = withDefaultSuffix(*chosen, request.defaultSuffix);
    if (completed != *chosen && request.kind == FileDialogKind::Save && request.confirmOverwrite &&
        QFileInfo::exists(completed) && !mayReplace(completed))
        return std::nullopt;
    return completed;
}

FileDialogs::Presenter FileDialogs::setPresenter(Presenter replacement) {
    return std::exchange(presenter(), std::move(replacement));
}

FileDialogScript::FileDialogScript()
    : previous_(FileDialogs::setPresenter(
          [this](const FileDialogRequest& request) { return answer(request); })) {}

FileDialogScript::~FileDialogScript() {
    FileDialogs::setPresenter(std::move(previous_));
}

FileDialogAnswer FileDialogScript::answer(const FileDialogRequest& request) {
    requests_.append(request);
    if (answers_.empty())
        qFatal("Unexpected file dialog \"%s\" (no answer scripted)",
               qPrintable(request.title.isEmpty() ? QStringLiteral("open") : request.title));
    FileDialogAnswer next = std::move(answers_.front());
    answers_.pop_front();
    return next;
}

} // namespace obrix::records
