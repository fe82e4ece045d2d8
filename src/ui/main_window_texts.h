#pragma once

// Fixed texts of the main window as it opens. Multi-line boxes end their lines with "\n", the
// line break of Qt's plain-text boxes.

#include <QString>

namespace obrix::ui::texts {

inline const QString kWindowCaption = QStringLiteral("Obrix");

inline const QString kStartWarning = QStringLiteral(
    "WARNING: Please do not use this programme to self-diagnose. Psychologists and psychiatrists "
    "use many sources of information in forming a diagnosis and this programme is to be used by "
    "mental health professionals to aid in their practice.  Using these scores to self-assess can "
    "be misleading and potentially dangerous. If you are worried by your mood status see a "
    "qualified mental health professional.\n");

inline const QString kInstructions = QStringLiteral(
    "Enter your data in the above boxes by selecting an option from each drop-down menu or by "
    "typing 0, 1, 2, 3 or 4 into the box. The tab key will make data entry easier.");

inline const QString kSampleQuestion = QStringLiteral(
    "Which sample would you like to compare these scores against? A general population sample "
    "or a sample diagnosed with OCD?\n");

inline const QString kReferenceNote =
    QStringLiteral("Both samples based on Zendaro et al. (2002). See \n'Credits' for more "
                   "information.\n");

inline const QString kPercentileFailure =
    QStringLiteral("The percentiles could not be computed. Something went very wrong and "
                   "resulted in the following error:");

inline const QString kCommandFailure =
    QStringLiteral("Something went very wrong and resulted in the following error:");

} // namespace obrix::ui::texts
