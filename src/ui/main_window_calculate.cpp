// The Compute command: scores the 18 item texts with the scoring core and shows the outcome.

#include "ui/main_window.h"
#include "ui/main_window_texts.h"

#include "scoring/result_texts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

#include <algorithm>
#include <exception>

namespace obrix::ui {

scoring::ItemTexts frmMain::itemTexts() const {
    scoring::ItemTexts items;
    const auto boxes = itemBoxes();
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = boxes[i]->currentText().toStdString();
    return items;
}

void frmMain::Calculate() {
    const auto group = OpGeneral->isChecked() ? scoring::ComparisonGroup::GeneralPopulation
                                              : scoring::ComparisonGroup::Ocd;
    scoring::Calculation result;
    try {
        result = scoring::calculate(itemTexts(), group, statistics_);
    } catch (const std::exception& error) {
        // Nothing was written: report it like any other failed command and leave the window.
        messages_.show(texts::kCommandFailure + QStringLiteral("\r\n") +
                       QString::fromUtf8(error.what()));
        return;
    }
    if (result.validation != scoring::ValidationError::None) {
        messages_.show(QString::fromUtf8(scoring::validationMessage(result.validation)));
        return;
    }
    showCalculation(result);
}

void frmMain::showCalculation(const scoring::Calculation& result) {
    const auto rows = resultRows();
    const std::string separator = QLocale().decimalPoint().toStdString();
    const auto show = [](QLineEdit* box, const std::string& text) {
        box->setText(QString::fromStdString(text));
    };
    // Raw scores first, then z-scores, then the percentiles that could be computed.
    for (std::size_t i = 0; i < rows.size(); ++i)
        show(rows[i].raw, scoring::rawScoreText(result.scales[i].raw));
    for (std::size_t i = 0; i < rows.size(); ++i)
        show(rows[i].zScore, scoring::zScoreText(result.scales[i].zScore, separator));
    const auto done =
        static_cast<std::size_t>(std::clamp(result.percentilesDone, 0, scoring::kScaleCount));
    for (std::size_t i = 0; i < done; ++i)
        show(rows[i].percentile, scoring::percentileText(result.scales[i].percentile, separator));

    if (!result.complete()) {
        // The percentile boxes not reached keep their earlier texts and the panels stay as they
        // are, so a half-finished computation is never shown as a finished one.
        messages_.show(texts::kPercentileFailure + QStringLiteral("\r\n") +
                       QString::fromStdString(result.failure));
        return;
    }
    Frame2->hide();
    Frame1->show();
}

} // namespace obrix::ui
