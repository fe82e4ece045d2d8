#include "ui/history/history_table_model.h"

#include "records/utf8_path.h"
#include "scoring/number_format.h"
#include "scoring/result_texts.h"
#include "ui/date_display.h"

#include <QColor>
#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace obrix::ui {

namespace {

// The main window's colours for raw scores and for z-scores and percentiles.
const QColor kRawScoreColour(255, 0, 0);
const QColor kScoreColour(0, 0, 255);

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString signedChange(const std::optional<int>& change) {
    if (!change)
        return {};
    return *change > 0 ? QStringLiteral("+%1").arg(*change) : QString::number(*change);
}

// The scale and which of its three columns, for a score column.
std::pair<std::size_t, int> scoreColumn(int column) {
    const int offset = column - HistoryTableModel::kFixedColumns;
    return {static_cast<std::size_t>(offset / HistoryTableModel::kColumnsPerScale),
            offset % HistoryTableModel::kColumnsPerScale};
}

bool isScoreColumn(int column) {
    return column >= HistoryTableModel::kFixedColumns &&
           column < HistoryTableModel::kColumnCount - 3;
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
    switch (kColumnCount - column) {
    case 3:
        return signedChange(administration.changeFromFirst);
    case 2:
        return signedChange(administration.changeFromPrevious);
    default:
        return administration.atOrAboveCutoff() ? QStringLiteral("Yes") : QStringLiteral("No");
    }
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !administrations_ || index.row() >= rowCount())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return text((*administrations_)[static_cast<std::size_t>(index.row())], column);
    case Qt::ForegroundRole:
        if (isScoreColumn(column))
            return scoreColumn(column).second == 0 ? kRawScoreColour : kScoreColour;
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
    switch (kColumnCount - section) {
    case 3:
        return QStringLiteral("Total change from first");
    case 2:
        return QStringLiteral("Total change from previous");
    default:
        return QStringLiteral("Total at or above %1").arg(history::kClinicalCutoff);
    }
}

} // namespace obrix::ui
