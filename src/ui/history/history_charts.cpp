#include "ui/history/history_charts.h"

#include "ui/date_display.h"
#include "ui/window_fonts.h"

#include <QAreaSeries>
#include <QChart>
#include <QDate>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QValueAxis>

#include <algorithm>

namespace obrix::ui {

namespace {

constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;

// Beyond these many administrations, point labels and then markers would only cover each other.
constexpr std::size_t kMostLabelledPoints = 40;
constexpr std::size_t kMostMarkedPoints = 200;

// The main window's colours: navy for the Total (its warning), red for the cut-off (its raw
// scores), and light tints for the severity ranges so the points stay readable over them.
const QColor kTotalColour(0, 0, 128);
const QColor kCutoffColour(255, 0, 0);
const std::array<QColor, 3> kBandColours{QColor(0, 160, 0, 28), QColor(255, 170, 0, 36),
                                         QColor(220, 0, 0, 30)};
const std::array<QColor, 6> kSubscaleColours{QColor(0, 0, 255),   QColor(200, 0, 0),
                                             QColor(0, 130, 0),   QColor(150, 0, 150),
                                             QColor(170, 110, 0), QColor(0, 140, 150)};

QString scaleName(std::size_t index) {
    return QString::fromUtf8(scoring::scaleTable()[index].name.data(),
                             static_cast<qsizetype>(scoring::scaleTable()[index].name.size()));
}

// The time range shown: the administrations' dates with a margin, at least a day either side.
std::pair<qint64, qint64> timeRange(const std::vector<history::Administration>& administrations) {
    if (administrations.empty()) {
        const QDate now = QDate::currentDate();
        const qint64 today = chartTime({now.year(), now.month(), now.day()});
        return {today - 30 * kDayMs, today + kDayMs};
    }
    const qint64 first = chartTime(administrations.front().record.date);
    const qint64 last = chartTime(administrations.back().record.date);
    const qint64 margin = std::max(kDayMs, (last - first) / 20);
    return {first - margin, last + margin};
}

void clear(QChart& chart) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes())
        chart.removeAxis(axis);
}

void setUp(QChart& chart, const QString& title) {
    QFont font = windowFont();
    font.setBold(true);
    chart.setTitle(title);
    chart.setTitleFont(font);
    chart.legend()->setFont(windowFont());
    chart.setAnimationOptions(QChart::NoAnimation);
}

// A time axis and a value axis from 0 to top, attached to the chart.
std::pair<QDateTimeAxis*, QValueAxis*> addAxes(QChart& chart,
                                               const std::vector<history::Administration>& list,
                                               int top, int ticks, int timeTicks) {
    auto* time = new QDateTimeAxis;
    time->setFormat(dateDisplayFormat());
    time->setTitleText(QStringLiteral("Date of test"));
    time->setTitleFont(windowFont());
    time->setLabelsFont(windowFont());
    time->setTickCount(timeTicks);
    const auto [from, to] = timeRange(list);
    time->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(to));
    auto* score = new QValueAxis;
    score->setRange(0, top);
    score->setTickCount(ticks);
    score->setLabelFormat(QStringLiteral("%d"));
    score->setTitleText(QStringLiteral("Raw score"));
    score->setTitleFont(windowFont());
    score->setLabelsFont(windowFont());
    chart.addAxis(time, Qt::AlignBottom);
    chart.addAxis(score, Qt::AlignLeft);
    return {time, score};
}

void attach(QChart& chart, QAbstractSeries* series, QDateTimeAxis* time, QValueAxis* score) {
    chart.addSeries(series);
    series->attachAxis(time);
    series->attachAxis(score);
}

// A horizontal line across the whole time range.
QLineSeries* level(double value, qint64 from, qint64 to) {
    auto* line = new QLineSeries;
    line->append(static_cast<double>(from), value);
    line->append(static_cast<double>(to), value);
    return line;
}

QLineSeries* scoreSeries(const std::vector<history::Administration>& list, std::size_t scale,
                         const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(scaleName(scale));
    series->setColor(colour);
    series->setMarkerSize(5);
    series->setPointsVisible(list.size() <= kMostMarkedPoints);
    return series;
}

// The points go in with one replace after the series has its axes: the chart lays a series out
// again on every attachment, which for thousands of points is what takes the time.
void setPoints(QLineSeries& series, const std::vector<history::Administration>& list,
               std::size_t scale) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(list.size()));
    for (const history::Administration& administration : list)
        points.append(QPointF(static_cast<double>(chartTime(administration.record.date)),
                              administration.scales[scale].raw));
    series.replace(points);
}

} // namespace

qint64 chartTime(const records::CalendarDate& date) {
    // Local noon, with the zone's offset taken once: asking the time zone for every point is
    // what makes thousands of points slow, and noon stays on its day whatever a summer-time
    // change does to the offset.
    static const qint64 offsetMs = QDateTime::currentDateTime().offsetFromUtc() * 1000LL;
    constexpr qint64 kUnixEpochJulianDay = 2440588;
    return (QDate(date.year, date.month, date.day).toJulianDay() - kUnixEpochJulianDay) * kDayMs +
           kDayMs / 2 - offsetMs;
}

QString cutoffName() {
    return QStringLiteral("Cut-off %1 (Zendaro et al. 2002)")
        .arg(history::kClinicalCutoff);
}

QString severityBandName(const history::SeverityBand& band) {
    return QStringLiteral("%1 %2\u2013%3")
        .arg(QString::fromUtf8(band.name.data(), static_cast<qsizetype>(band.name.size())))
        .arg(band.lowest)
        .arg(band.highest);
}

void fillTotalChart(QChart& chart, const std::vector<history::Administration>& administrations) {
    clear(chart);
    setUp(chart, QStringLiteral("Total raw score (severity ranges: Marrowby et al. 2020)"));
    const auto [time, score] = addAxes(chart, administrations, 72, 7, 5);
    const auto [from, to] = timeRange(administrations);

    // Scores are whole numbers, so each range is drawn to the half-point between its figures.
    for (std::size_t b = 0; b < history::kSeverityBands.size(); ++b) {
        const history::SeverityBand& band = history::kSeverityBands[b];
        const double lower = band.lowest == 0 ? 0.0 : band.lowest - 0.5;
        const double upper = band.highest == 72 ? 72.0 : band.highest + 0.5;
        QLineSeries* top = level(upper, from, to);
        QLineSeries* bottom = level(lower, from, to);
        auto* area = new QAreaSeries(top, bottom);
        // An area series does not own its edges.
        top->setParent(area);
        bottom->setParent(area);
        area->setName(severityBandName(band));
        area->setColor(kBandColours[b]);
        area->setBorderColor(Qt::transparent);
        attach(chart, area, time, score);
    }

    QLineSeries* cutoff = level(history::kClinicalCutoff, from, to);
    cutoff->setName(cutoffName());
    cutoff->setPen(QPen(kCutoffColour, 1.5, Qt::DashLine));
    attach(chart, cutoff, time, score);

    QLineSeries* total = scoreSeries(administrations, scoring::kScaleCount - 1, kTotalColour);
    total->setPen(QPen(kTotalColour, 2));
    total->setPointLabelsVisible(administrations.size() <= kMostLabelledPoints);
    total->setPointLabelsFormat(QStringLiteral("@yPoint"));
    total->setPointLabelsFont(windowFont());
    total->setPointLabelsClipping(false);
    attach(chart, total, time, score);
    setPoints(*total, administrations, scoring::kScaleCount - 1);
}

void fillSubscaleChart(QChart& chart,
                       const std::vector<history::Administration>& administrations) {
    clear(chart);
    setUp(chart, QStringLiteral("Subscale raw scores"));
    const auto [time, score] = addAxes(chart, administrations, 12, 7, 3);
    for (std::size_t s = 0; s + 1 < scoring::kScaleCount; ++s) {
        QLineSeries* series = scoreSeries(administrations, s, kSubscaleColours[s]);
        attach(chart, series, time, score);
        setPoints(*series, administrations, s);
    }
}

QLineSeries* seriesNamed(const QChart& chart, const QString& name) {
    for (QAbstractSeries* series : chart.series())
        if (series->name() == name)
            return qobject_cast<QLineSeries*>(series);
    return nullptr;
}

QString chartDescription(const std::vector<history::Administration>& administrations,
                         std::size_t scaleIndex) {
    if (administrations.empty())
        return QStringLiteral("No administrations.");
    const QLocale locale;
    const auto shown = [&](const records::CalendarDate& date) {
        return locale.toString(QDate(date.year, date.month, date.day), dateDisplayFormat());
    };
    QStringList scores;
    for (const history::Administration& administration : administrations)
        scores.append(QStringLiteral("%1: %2")
                          .arg(shown(administration.record.date))
                          .arg(administration.scales[scaleIndex].raw));
    return QStringLiteral("%1 administrations from %2 to %3. %4 by date: %5.")
        .arg(administrations.size())
        .arg(shown(administrations.front().record.date),
             shown(administrations.back().record.date), scaleName(scaleIndex),
             scores.join(QStringLiteral("; ")));
}

} // namespace obrix::ui
