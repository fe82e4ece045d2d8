#include "ui/main_window_accessibility.h"

#include "scoring/calculation.h"
#include "ui/accessibility/accessible_names.h"
#include "ui/accessibility/option_button_accessible.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace obrix::ui {

namespace {

void describeItemBoxes(frmMain& window) {
    const auto boxes = window.itemBoxes();
    const auto labels = window.itemLabels();
    const QString hint = QStringLiteral("Rating from 0 to 4: type it or pick it from the list");
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        QComboBox* box = boxes[index];
        const QString name = QStringLiteral("Question %1").arg(index + 1);
        describe(box, name, hint);
        // The caret lives in the edit field: that is the object read out while typing.
        if (box != nullptr)
            describe(box->lineEdit(), name, hint);
        tie(labels[index], box);
    }
}

void describeResultBoxes(frmMain& window) {
    const auto& scales = scoring::scaleTable();
    const auto rows = window.resultRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const QString scale = QString::fromUtf8(scales[row].name.data(),
                                                static_cast<qsizetype>(scales[row].name.size()));
        describe(rows[row].raw, scale + QStringLiteral(" raw score"));
        describe(rows[row].zScore, scale + QStringLiteral(" z-score"));
        describe(rows[row].percentile, scale + QStringLiteral(" percentile"));
    }
}

} // namespace

void applyAccessibleNames(frmMain& window) {
    for (QRadioButton* option : {window.OpGeneral, window.OpOCD})
        if (option != nullptr)
            clickOnToggle(*option);

    describe(window.txtName, QStringLiteral("Client Name"));
    tie(window.lblName, window.txtName);
    describe(window.DTPicker, QStringLiteral("Date of Test"));
    tie(window.lblDate, window.DTPicker);

    describeItemBoxes(window);
    describeResultBoxes(window);

    describeButton(window.cmdCompute, QStringLiteral("Checks the ratings and shows the scores"));
    describeButton(window.cmdNote, QStringLiteral("Opens the scoring note"));
    describeButton(window.cmdNew, QStringLiteral("Empties the record to start a new one"));
    describeButton(window.cmdExit, QStringLiteral("Closes the window"));
    describeButton(window.OpGeneral,
                   QStringLiteral("Compares the scores with the general population sample"));
    describeButton(window.OpOCD,
                   QStringLiteral("Compares the scores with the sample diagnosed with OCD"));

    describe(window.txtWarning, QStringLiteral("Warning"));
    describe(window.Text17, QStringLiteral("Sample question"));
    describe(window.txtReference, QStringLiteral("Reference note"));
    describe(window.Frame1, QStringLiteral("Results"));
    describe(window.Frame2, QStringLiteral("Instructions"));
}

} // namespace obrix::ui
