#include "ui/history/history_table_model.h"

#include "records/utf8_path.h"
#include "scoring/number_format.h"
#include "scoring/result_texts.h"
#include "ui/date_display.h"
#include "ui/history/history_texts.h"

#include <QColor>
#include <QDate>
#include <QFileInfo>
#include <QFont>
#include <QLocale>

namespace obrix::ui {

namespace {

// The main window's colours for raw scores and for z-scores and percentiles.
const QColor kRawScoreColour(255, 0, 0);
const QColor kScoreColour(0, 0, 255);

// The columns after the scales' scores, in order.
enum class Trailing {
    ChangeFromFirst,
    ChangeFromPrevious,
    AtOrAboveCutoff,
    OcdScale,
    HoardingDisorder,
    ReliableChange,
    Recovered
};

Trailing trailing(int column) {
    return static_cast<Trailing>(column - HistoryTableModel::kFirstTrailingColumn);
}

// Reliable change in the chart markers' colours.
const QColor kImprovedColour(0, 130, 0);
const QColor kDeterioratedColour(150, 0, 170);

// The scale and which of its three columns, for a score column.
std::pair<std::size_t, int> scoreColumn(int column) {
    const int offset = column - HistoryTableModel::kFixedColumns;
    return {static_cast<std::size_t>(offset / HistoryTableModel::kColumnsPerScale),
            offset % HistoryTableModel::kColumnsPerScale};
}

bool isScoreColumn(int column) {
    return column >= HistoryTableModel::kFixedColumns &&
           column < HistoryTableModel::kFirstTrailingColumn;
}

} // namespace

void HistoryTableModel::setAdministrations(
    const std::vector<history::Administration>* administrations) {
    beginResetModel();
    administrations_ = administrations;
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !administrations_ ? 0
                                                 : static_cast<int>(administrations_->size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString HistoryTableModel::text(const history::Administration& administration,
                                int column) const {
    if (column == 0) {
        const records::CalendarDate& date = administration.record.date;
        return QLocale().toString(QDate(date.year, date.month, date.day), dateDisplayFormat());
    }
    if (column == 1)
        return QFileInfo(QString::fromStdString(records::utf8String(administration.file)))
            .fileName();
    if (isScoreColumn(column)) {
        const auto [scale, part] = scoreColumn(column);
        const scoring::ScaleResult& result = administration.scales[scale];
        if (part == 0)
            return fromUtf8(scoring::rawScoreText(result.raw));
        const std::string separator = QLocale().decimalPoint().toStdString();
        if (part == 1)
            return fromUtf8(scoring::formatGeneral(result.zScore, separator));
        return result.percentile ? fromUtf8(scoring::formatGeneral(*result.percentile, separator))
                                 : QStringLiteral("N/A");
    }
    switch (trailing(column)) {
    case Trailing::ChangeFromFirst:
        return signedChange(administration.changeFromFirst);
    case Trailing::ChangeFromPrevious:
        return signedChange(administration.changeFromPrevious);
    case Trailing::AtOrAboveCutoff:
        return administration.atOrAboveCutoff() ? QStringLiteral("Yes") : QStringLiteral("No");
    case Trailing::OcdScale:
        return QString::number(administration.split.ocd);
    case Trailing::HoardingDisorder:
        return QString::number(administration.split.hoardingDisorder);
    case Trailing::ReliableChange:
        return reliableChangeText(administration.reliableChangeFromFirst);
    case Trailing::Recovered:
        break;
    }
    return recoveredText(administration.recovered);
}

bool HistoryTableModel::stands(const history::Administration& administration,
                               int column) const {
    if (column < kFirstTrailingColumn)
        return false;
    switch (trailing(column)) {
    case Trailing::OcdScale:
        return administration.split.atOrAboveCutoff(history::SplitScale::Ocd);
    case Trailing::HoardingDisorder:
        return administration.split.atOrAboveCutoff(history::SplitScale::HoardingDisorder);
    case Trailing::ReliableChange:
        return administration.reliableChangeFromFirst.value_or(history::ReliableChange::None) !=
               history::ReliableChange::None;
    case Trailing::Recovered:
        return administration.recovered.value_or(false);
    default:
        return false;
    }
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !administrations_ || index.row() >= rowCount())
        return {};
    const int column = index.column();
    const history::Administration& administration =
        (*administrations_)[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return text(administration, column);
    case Qt::ForegroundRole:
        if (isScoreColumn(column))
            return scoreColumn(column).second == 0 ? kRawScoreColour : kScoreColour;
        if (column >= kFirstTrailingColumn && trailing(column) == Trailing::ReliableChange &&
            stands(administration, column))
            return administration.reliableChangeFromFirst == history::ReliableChange::Improved
                       ? kImprovedColour
                       : kDeterioratedColour;
        return {};
    case Qt::FontRole:
        if (stands(administration, column)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column < kFixedColumns ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation,
                                       int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("Date of Test");
    if (section == 1)
        return QStringLiteral("File");
    if (isScoreColumn(section)) {
        static constexpr std::array<const char*, 3> kParts{" raw score", " z-score",
                                                           " percentile"};
        const auto [scale, part] = scoreColumn(section);
        return fromUtf8(scoring::scaleTable()[scale].name) + QLatin1String(kParts[part]);
    }
    const auto split = [](history::SplitScale scale) {
        const history::SplitScaleInfo& info = history::splitScaleInfo(scale);
        return QStringLiteral("%1 (cut-off %2)").arg(fromUtf8(info.name)).arg(info.cutoff);
    };
    switch (trailing(section)) {
    case Trailing::ChangeFromFirst:
        return QStringLiteral("Total change from first");
    case Trailing::ChangeFromPrevious:
        return QStringLiteral("Total change from previous");
    case Trailing::AtOrAboveCutoff:
        return QStringLiteral("Total at or above %1").arg(history::kClinicalCutoff);
    case Trailing::OcdScale:
        return split(history::SplitScale::Ocd);
    case Trailing::HoardingDisorder:
        return split(history::SplitScale::HoardingDisorder);
    case Trailing::ReliableChange:
        return QStringLiteral("Total reliable change from first");
    case Trailing::Recovered:
        break;
    }
    return QStringLiteral("Recovered");
}

} // namespace obrix::ui
