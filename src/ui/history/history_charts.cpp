#include "ui/history/history_charts.h"

#include "ui/date_display.h"
#include "ui/history/history_texts.h"
#include "ui/window_fonts.h"

#include <QAreaSeries>
#include <QChart>
#include <QDate>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QScatterSeries>
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
// Reliable change: green for a fall of the Total, purple (not the cut-off's red) for a rise.
const QColor kImprovedColour(0, 150, 0, 150);
const QColor kDeterioratedColour(150, 0, 170, 150);
const std::array<QColor, 2> kSplitColours{QColor(0, 0, 128), QColor(170, 110, 0)};
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

QValueAxis* scoreAxis(int top, int ticks, const QString& title) {
    auto* score = new QValueAxis;
    score->setRange(0, top);
    score->setTickCount(ticks);
    score->setLabelFormat(QStringLiteral("%d"));
    score->setTitleText(title);
    score->setTitleFont(windowFont());
    score->setLabelsFont(windowFont());
    return score;
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
    QValueAxis* score = scoreAxis(top, ticks, QStringLiteral("Raw score"));
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

QLineSeries* scoreSeries(const std::vector<history::Administration>& list, const QString& name,
                         const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setColor(colour);
    series->setMarkerSize(5);
    series->setPointsVisible(list.size() <= kMostMarkedPoints);
    return series;
}

// The points go in with one replace after the series has its axes: the chart lays a series out
// again on every attachment, which for thousands of points is what takes the time.
template <typename Score>
void setPointsBy(QXYSeries& series, const std::vector<history::Administration>& list, Score score) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(list.size()));
    for (const history::Administration& administration : list)
        points.append(QPointF(static_cast<double>(chartTime(administration.record.date)),
                              score(administration)));
    series.replace(points);
}

void setPoints(QXYSeries& series, const std::vector<history::Administration>& list,
               std::size_t scale) {
    setPointsBy(series, list,
                [scale](const history::Administration& a) { return a.scales[scale].raw; });
}

// The administrations whose Total changed reliably from the first, one way, as larger markers
// under the Total's line.
void addChangeMarkers(QChart& chart, const std::vector<history::Administration>& list,
                      history::ReliableChange change, const QColor& colour, QDateTimeAxis* time,
                      QValueAxis* score) {
    auto* markers = new QScatterSeries;
    markers->setName(reliableChangeMarkerName(change));
    markers->setColor(colour);
    markers->setBorderColor(colour);
    markers->setMarkerShape(change == history::ReliableChange::Improved
                                ? QScatterSeries::MarkerShapeCircle
                                : QScatterSeries::MarkerShapeRectangle);
    markers->setMarkerSize(15);
    attach(chart, markers, time, score);
    QList<QPointF> points;
    for (const history::Administration& administration : list)
        if (administration.reliableChangeFromFirst == change)
            points.append(QPointF(static_cast<double>(chartTime(administration.record.date)),
                                  administration.total()));
    markers->replace(points);
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

QString reliableChangeMarkerName(history::ReliableChange change) {
    return change == history::ReliableChange::Improved
               ? QStringLiteral("Reliable improvement from first")
               : QStringLiteral("Reliable deterioration from first");
}

QString cutoffName() {
    return QStringLiteral("Cut-off %1 (Zendaro et al. 2002)").arg(history::kClinicalCutoff);
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

    addChangeMarkers(chart, administrations, history::ReliableChange::Improved, kImprovedColour,
                     time, score);
    addChangeMarkers(chart, administrations, history::ReliableChange::Deteriorated,
                     kDeterioratedColour, time, score);

    QLineSeries* total =
        scoreSeries(administrations, scaleName(scoring::kScaleCount - 1), kTotalColour);
    total->setPen(QPen(kTotalColour, 2));
    total->setPointLabelsVisible(administrations.size() <= kMostLabelledPoints);
    total->setPointLabelsFormat(QStringLiteral("@yPoint"));
    total->setPointLabelsFont(windowFont());
    total->setPointLabelsClipping(false);
    attach(chart, total, time, score);
    setPoints(*total, administrations, scoring::kScaleCount - 1);
}

void fillSubscaleChart(QChart& chart, const std::vector<history::Administration>& administrations) {
    clear(chart);
    setUp(chart, QStringLiteral("Subscale raw scores"));
    const auto [time, score] = addAxes(chart, administrations, 12, 7, 3);
    for (std::size_t s = 0; s + 1 < scoring::kScaleCount; ++s) {
        QLineSeries* series = scoreSeries(administrations, scaleName(s), kSubscaleColours[s]);
        attach(chart, series, time, score);
        setPoints(*series, administrations, s);
    }
}

void fillSplitScaleChart(QChart& chart,
                         const std::vector<history::Administration>& administrations) {
    clear(chart);
    setUp(chart, QStringLiteral("OCD scale and Hoarding Disorder subscale, %1")
                     .arg(fromUtf8(history::kQuillane2015)));
    const auto [time, ocdAxis] = addAxes(chart, administrations, 60, 7, 3);
    ocdAxis->setTitleText(fromUtf8(history::splitScaleInfo(history::SplitScale::Ocd).name));
    // The subscale on its own axis, 0 to 12 against 0 to 60, so that both fill the height.
    const history::SplitScaleInfo& hoarding =
        history::splitScaleInfo(history::SplitScale::HoardingDisorder);
    QValueAxis* hoardingAxis = scoreAxis(hoarding.highest, 7, fromUtf8(hoarding.shortName));
    chart.addAxis(hoardingAxis, Qt::AlignRight);
    const auto [from, to] = timeRange(administrations);
    const std::array<QValueAxis*, 2> axes{ocdAxis, hoardingAxis};
    for (std::size_t s = 0; s < history::kSplitScaleCount; ++s) {
        const history::SplitScaleInfo& info = history::splitScaleTable()[s];
        QLineSeries* cutoff = level(info.cutoff, from, to);
        cutoff->setName(splitCutoffName(info));
        cutoff->setPen(QPen(kSplitColours[s], 1.2, Qt::DashLine));
        attach(chart, cutoff, time, axes[s]);
    }
    for (std::size_t s = 0; s < history::kSplitScaleCount; ++s) {
        const history::SplitScaleInfo& info = history::splitScaleTable()[s];
        QLineSeries* series = scoreSeries(administrations, fromUtf8(info.name), kSplitColours[s]);
        series->setPen(QPen(kSplitColours[s], 2));
        attach(chart, series, time, axes[s]);
        setPointsBy(*series, administrations,
                    [&info](const history::Administration& a) { return a.split[info.scale]; });
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
        .arg(shown(administrations.front().record.date), shown(administrations.back().record.date),
             scaleName(scaleIndex), scores.join(QStringLiteral("; ")));
}

} // namespace obrix::ui
