#include "ui/history/history_texts.h"

#include "ui/date_display.h"

#include <QDate>
#include <QLocale>

namespace obrix::ui {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString historyDate(const records::CalendarDate& date) {
    return QLocale().toString(QDate(date.year, date.month, date.day), dateDisplayFormat());
}

QString signedChange(const std::optional<int>& change) {
    if (!change)
        return {};
    return *change > 0 ? QStringLiteral("+%1").arg(*change) : QString::number(*change);
}

QString reliableChangeText(const std::optional<history::ReliableChange>& change) {
    if (!change)
        return {};
    switch (*change) {
    case history::ReliableChange::Improved:
        return QStringLiteral("Improved");
    case history::ReliableChange::Deteriorated:
        return QStringLiteral("Deteriorated");
    case history::ReliableChange::None:
        break;
    }
    return QStringLiteral("None");
}

QString recoveredText(const std::optional<bool>& recovered) {
    if (!recovered)
        return {};
    return *recovered ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString splitCutoffName(const history::SplitScaleInfo& scale) {
    return QStringLiteral("%1 cut-off %2, %3")
        .arg(fromUtf8(scale.shortName))
        .arg(scale.cutoff)
        .arg(fromUtf8(history::kQuillane2015));
}

namespace {
std::string decimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}
} // namespace

QStringList figureLines() {
    QStringList lines;
    for (const history::SourcedFigure& figure : history::sourcedFigures())
        lines.append(QString::fromStdString(history::figureStatement(figure, decimalSeparator())));
    return lines;
}

QStringList ruleLines() {
    QStringList lines;
    for (const std::string& rule : history::changeRules(decimalSeparator()))
        lines.append(QString::fromStdString(rule));
    return lines;
}

QStringList referenceLines() {
    QStringList lines;
    for (const history::Reference& reference : history::references())
        lines.append(fromUtf8(reference.citation));
    return lines;
}

} // namespace obrix::ui
