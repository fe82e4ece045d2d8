#include "services/file_dialogs.h"

#include "services/message_boxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>

namespace obrix::services {

namespace {

// The filter as Qt writes it, "description (patterns)", with the dialog told to show only the
// description. The pattern is always the one asked for: a description such as
// "OCI files (*.OCI)" must not become the pattern, because the Windows dialog adds the pattern's
// extension, in its case, to the name typed.
QString nameFilter(const FileDialogRequest& request) {
    if (request.filterPattern.isEmpty())
        return request.filterDescription;
    return request.filterDescription + QLatin1String(" (") + request.filterPattern +
           QLatin1Char(')');
}

// The dialog asked about the name as typed; a suffix added afterwards names another file.
bool mayReplace(MessageBoxes& messages, const QString& name) {
    const QString question =
        QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(name);
    return messages.show(question, MessageButtons::YesNo, MessageIcon::Warning,
                         MessageAnswer::No) == MessageAnswer::Yes;
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
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(nameFilter(request));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    // A name with a folder in it moves the dialog to that folder. Qt's own dialog does that in
    // selectFile; the Windows dialog takes only the name from it, so the folder is set here.
    const QFileInfo named(request.fileName);
    if (!request.fileName.isEmpty() && named.isAbsolute())
        dialog.setDirectory(named.absolutePath());
    dialog.selectFile(request.fileName);
}

FileDialogAnswer QtFileDialogs::ask(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    configureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

FileDialogAnswer chooseFileName(FileDialogs& dialogs, MessageBoxes& messages,
                                const FileDialogRequest& request) {
    const FileDialogAnswer chosen = dialogs.ask(request);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    const QString completed = withDefaultSuffix(*chosen, request.defaultSuffix);
    if (completed != *chosen && request.kind == FileDialogKind::Save && request.confirmOverwrite &&
        QFileInfo::exists(completed) && !mayReplace(messages, completed))
        return std::nullopt;
    return completed;
}

} // namespace obrix::services
