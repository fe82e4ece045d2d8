#pragma once

// The texts of the record commands: the unsaved-changes questions, the file dialogs' settings and
// the warning that Start Again and New put back.

#include <QString>

namespace obrix::records::texts {

inline const QString kOpenQuestion =
    QStringLiteral("Data appears to have changed, do you wish to save these changes before "
                   "opening a new file?");
inline const QString kCloseQuestion =
    QStringLiteral("Data appears to have changed, do you wish to save these changes?");

// Save (Overwrite) when the record's file no longer holds what this window read or wrote.
inline const QString kChangedOnDiskQuestion =
    QStringLiteral("The record was changed by another program since it was opened. Overwrite it?");
// Opening a record whose last save was cut off while it wrote the file in place.
inline const QString kInterruptedSaveQuestion =
    QStringLiteral("The last save of this record did not finish. Do you wish to restore the "
                   "record as it was before that save?");

inline const QString kOpenFilter = QStringLiteral("OCI files (*.oci)");
inline const QString kSaveAsTitle = QStringLiteral("Save File As ...");
inline const QString kSaveAsFilter = QStringLiteral("OCI files (*.OCI)");
inline const QString kRecordPattern = QStringLiteral("*.oci");
inline const QString kRecordSuffix = QStringLiteral("oci");

// Where the Open dialog starts: this setting, else the program's folder.
inline const QString kFilesSection = QStringLiteral("Files");
inline const QString kInitialFolderKey = QStringLiteral("InitDir");

// Differs from the wording the window opens with: one blank after "practice.", "your status",
// and no line break at the end.
inline const QString kStartAgainWarning = QStringLiteral(
    "WARNING: Please do not use this programme to self-diagnose. Psychologists and psychiatrists "
    "use many sources of information in forming a diagnosis and this programme is to be used by "
    "mental health professionals to aid in their practice. Using these scores to self-assess can "
    "be misleading and potentially dangerous. If you are worried by your status see a qualified "
    "mental health professional.");

} // namespace obrix::records::texts
