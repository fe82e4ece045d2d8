#include "ui/history/progress_report.h"

#include "report/report_renderer.h"
#include "ui/history/history_charts.h"
#include "ui/history/history_texts.h"

#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace obrix::ui {

namespace {

// The charts keep at least this share of the first page's body; with few administrations they
// get all the room the table and the figures leave.
constexpr double kLeastChartShare = 0.4;
// Of the charts' height, the Total's share; the OCD and Hoarding chart has the rest.
constexpr double kTotalChartShare = 0.56;
// Charts are laid out at screen size (96 pixels an inch) and scaled onto the page, so their
// texts keep the window's proportions.
constexpr double kChartPixelsPerPoint = 96.0 / 72.0;

struct Column {
    const char* heading;
    double share; // of the table's width
};
constexpr std::array<Column, 8> kColumns{{
    {"Date of Test", 0.15},
    {"Total", 0.09},
    {"OCD scale", 0.11},
    {"Hoarding Disorder", 0.13},
    {"Change from first", 0.13},
    {"Change from previous", 0.13},
    {"Reliable change from first", 0.15},
    {"Recovered", 0.11},
}};

QFont paperFont(int points, bool bold = false) {
    return report::reportFont({bold, points, 1, {}});
}

// One page: which rows of the table it holds and what else.
struct Page {
    bool charts = false;
    double chartsHeight = 0;
    int firstRow = 0;
    int rows = 0;
    bool figures = false;
};

class ProgressReport {
public:
    ProgressReport(QPainter& painter, QPagedPaintDevice& device, const ProgressReportInput& input)
        : painter_(painter)
        , device_(device)
        , input_(input)
        , point_(device.logicalDpiY() / 72.0)
        , page_(0, 0, device.width(), device.height()) {
        body_ = page_.adjusted(0, lineHeight(paperFont(9, true)) * 1.8, 0, 0);
        rowHeight_ = lineHeight(paperFont(9)) * 1.35;
        tableHeadHeight_ = lineHeight(paperFont(8, true)) * 2.6;
        gap_ = 8 * point_;
    }

    int paint() {
        const std::vector<Page> pages = plan();
        for (std::size_t n = 0; n < pages.size(); ++n) {
            if (n > 0)
                device_.newPage();
            paintPage(pages[n], static_cast<int>(n) + 1, static_cast<int>(pages.size()));
        }
        return static_cast<int>(pages.size());
    }

private:
    double lineHeight(const QFont& font) const {
        return QFontMetricsF(font, &device_).lineSpacing();
    }

    // The height of lines of text wrapped to width, with a little room between them.
    double wrappedHeight(const QStringList& lines, const QFont& font, double width) const {
        const QFontMetricsF metrics(font, &device_);
        double height = 0;
        for (const QString& line : lines)
            height +=
                metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, line).height() +
                metrics.leading() + point_;
        return height;
    }

    double summaryHeight() const {
        return lineHeight(paperFont(14, true)) + 2 * lineHeight(paperFont(10)) + gap_;
    }

    double columnWidth() const { return (body_.width() - gap_) / 2; }

    double figuresHeight() const {
        const QFont font = paperFont(8);
        const double left = wrappedHeight(figureLines(), font, columnWidth());
        const double right = wrappedHeight(ruleLines() + referenceLines(), font, columnWidth());
        return lineHeight(paperFont(10, true)) * 1.4 + std::max(left, right);
    }

    int rowsFitting(double height) const {
        return std::max(0, static_cast<int>(std::floor((height - tableHeadHeight_) / rowHeight_)));
    }

    std::vector<Page> plan() const {
        const int rows = static_cast<int>(input_.administrations.size());
        const double figures = figuresHeight() + gap_;
        const double firstSpace = body_.height() - summaryHeight();
        const double table = tableHeadHeight_ + rows * rowHeight_ + gap_;
        const double leastCharts = body_.height() * kLeastChartShare;
        if (table + figures <= firstSpace - leastCharts)
            return {{true, firstSpace - table - figures, 0, rows, true}};

        std::vector<Page> pages{{true, leastCharts, 0, 0, false}};
        double left = firstSpace - leastCharts;
        int placed = std::min(rows, rowsFitting(left - gap_));
        // A table begun with a row or two at the foot of a page only to turn over reads badly.
        if (placed < std::min(rows, 3))
            placed = 0;
        pages.back().rows = placed;
        if (placed > 0)
            left -= tableHeadHeight_ + placed * rowHeight_ + gap_;
        while (placed < rows) {
            const int more = std::min(rows - placed, rowsFitting(body_.height()));
            pages.push_back({false, 0, placed, more, false});
            placed += more;
            left = body_.height() - tableHeadHeight_ - more * rowHeight_ - gap_;
        }
        if (left >= figures) {
            pages.back().figures = true;
        } else {
            // The table ends on the first page: its charts take the room the figures leave.
            if (pages.size() == 1)
                pages.front().chartsHeight += left;
            pages.push_back({false, 0, rows, 0, true});
        }
        return pages;
    }

    void paintPage(const Page& page, int number, int count) {
        paintHeader(number, count);
        double top = body_.top();
        if (page.charts) {
            top = paintSummary(top);
            top = paintCharts(top, page.chartsHeight);
        }
        if (page.rows > 0)
            top = paintTable(top, page.firstRow, page.rows) + gap_;
        if (page.figures)
            paintFigures(top);
    }

    void paintHeader(int number, int count) {
        const QFont font = paperFont(9, true);
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QRectF line(page_.left(), page_.top(), page_.width(), lineHeight(font));
        painter_.drawText(
            line, Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Obrix client progress report: %1").arg(input_.identifier));
        painter_.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                          QStringLiteral("Page %1 of %2").arg(number).arg(count));
        painter_.setPen(QPen(Qt::black, 0.5 * point_));
        painter_.drawLine(QPointF(line.left(), line.bottom() + 2 * point_),
                          QPointF(line.right(), line.bottom() + 2 * point_));
    }

    double paintSummary(double top) {
        const auto& list = input_.administrations;
        painter_.setPen(Qt::black);
        const QFont title = paperFont(14, true);
        painter_.setFont(title);
        painter_.drawText(QRectF(body_.left(), top, body_.width(), lineHeight(title)),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("Client Identifier: %1").arg(input_.identifier));
        top += lineHeight(title);
        const QFont font = paperFont(10);
        painter_.setFont(font);
        const QString range = list.empty() ? QStringLiteral("No administrations.")
                                           : QStringLiteral("%1 administration(s) from %2 to %3.")
                                                 .arg(list.size())
                                                 .arg(historyDate(list.front().record.date),
                                                      historyDate(list.back().record.date));
        painter_.drawText(QRectF(body_.left(), top, body_.width(), lineHeight(font)),
                          Qt::AlignLeft | Qt::AlignVCenter, range);
        top += lineHeight(font);
        painter_.drawText(
            QRectF(body_.left(), top, body_.width(), lineHeight(font)),
            Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Raw scores. Changes, reliable change and recovery of the Total are "
                           "counted from the first administration."));
        return top + lineHeight(font) + gap_;
    }

    double paintCharts(double top, double height) {
        const double totalHeight = height * kTotalChartShare;
        paintChart(QRectF(body_.left(), top, body_.width(), totalHeight - gap_), fillTotalChart);
        paintChart(
            QRectF(body_.left(), top + totalHeight, body_.width(), height - totalHeight - gap_),
            fillSplitScaleChart);
        return top + height;
    }

    using FillChart = void (*)(QChart&, const std::vector<history::Administration>&);
    void paintChart(const QRectF& target, FillChart fill) {
        const QSizeF size(target.width() / point_ * kChartPixelsPerPoint,
                          target.height() / point_ * kChartPixelsPerPoint);
        QGraphicsScene scene;
        auto* chart = new QChart;
        scene.addItem(chart);
        // The page is wider than a chart in the window: the legend goes beside the plot, and the
        // chart keeps little margin, so that the plot has the height.
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->setMargins(QMargins(2, 2, 2, 2));
        chart->layout()->setContentsMargins(0, 0, 0, 0);
        chart->setGeometry(QRectF(QPointF(0, 0), size));
        chart->setBackgroundRoundness(0);
        chart->setDropShadowEnabled(false);
        fill(*chart, input_.administrations);
        // Charts lay out their axes and legend in posted events, and may grow beyond the size
        // asked for to fit their legend: the whole chart is drawn, in its own proportions.
        QCoreApplication::sendPostedEvents();
        scene.render(&painter_, target, QRectF(QPointF(0, 0), chart->size()));
    }

    double paintTable(double top, int firstRow, int rows) {
        const double width = body_.width();
        std::array<double, kColumns.size() + 1> x{};
        x[0] = body_.left();
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            x[c + 1] = x[c] + kColumns[c].share * width;

        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(225, 225, 225));
        painter_.drawRect(QRectF(body_.left(), top, width, tableHeadHeight_));
        painter_.setPen(Qt::black);
        painter_.setFont(paperFont(8, true));
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            painter_.drawText(
                QRectF(x[c] + point_, top, x[c + 1] - x[c] - 2 * point_, tableHeadHeight_),
                Qt::AlignCenter | Qt::TextWordWrap, QString::fromLatin1(kColumns[c].heading));
        top += tableHeadHeight_;

        for (int row = firstRow; row < firstRow + rows; ++row) {
            const history::Administration& a =
                input_.administrations[static_cast<std::size_t>(row)];
            if ((row - firstRow) % 2 == 1) {
                painter_.setPen(Qt::NoPen);
                painter_.setBrush(QColor(244, 244, 244));
                painter_.drawRect(QRectF(body_.left(), top, width, rowHeight_));
            }
            painter_.setPen(Qt::black);
            const std::array<std::pair<QString, bool>, kColumns.size()> cells{{
                {historyDate(a.record.date), false},
                {QString::number(a.total()), a.atOrAboveCutoff()},
                {QString::number(a.split.ocd), a.split.atOrAboveCutoff(history::SplitScale::Ocd)},
                {QString::number(a.split.hoardingDisorder),
                 a.split.atOrAboveCutoff(history::SplitScale::HoardingDisorder)},
                {signedChange(a.changeFromFirst), false},
                {signedChange(a.changeFromPrevious), false},
                {reliableChangeText(a.reliableChangeFromFirst),
                 a.reliableChangeFromFirst.value_or(history::ReliableChange::None) !=
                     history::ReliableChange::None},
                {recoveredText(a.recovered), a.recovered.value_or(false)},
            }};
            for (std::size_t c = 0; c < cells.size(); ++c) {
                painter_.setFont(paperFont(9, cells[c].second));
                painter_.drawText(
                    QRectF(x[c] + point_, top, x[c + 1] - x[c] - 2 * point_, rowHeight_),
                    Qt::AlignCenter | Qt::TextSingleLine, cells[c].first);
            }
            top += rowHeight_;
        }
        painter_.setPen(QPen(Qt::black, 0.5 * point_));
        painter_.drawLine(QPointF(body_.left(), top), QPointF(body_.right(), top));
        return top;
    }

    void paintFigures(double top) {
        painter_.setPen(Qt::black);
        const QFont heading = paperFont(10, true);
        painter_.setFont(heading);
        painter_.drawText(QRectF(body_.left(), top, body_.width(), lineHeight(heading)),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("Figures used and their sources (bold in the table: at "
                                         "or above the cut-off, or a reliable change)"));
        top += lineHeight(heading) * 1.4;
        paintLines(figureLines(), QPointF(body_.left(), top));
        paintLines(ruleLines() + referenceLines(),
                   QPointF(body_.left() + columnWidth() + gap_, top));
    }

    void paintLines(const QStringList& lines, QPointF at) {
        const QFont font = paperFont(8);
        const QFontMetricsF metrics(font, &device_);
        painter_.setFont(font);
        for (const QString& line : lines) {
            const QRectF box(at.x(), at.y(), columnWidth(), 1e9);
            const QRectF used = metrics.boundingRect(box, Qt::TextWordWrap, line);
            painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
            at.ry() += used.height() + metrics.leading() + point_;
        }
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const ProgressReportInput& input_;
    double point_; // device units per typographic point
    QRectF page_;
    QRectF body_;
    double rowHeight_ = 0;
    double tableHeadHeight_ = 0;
    double gap_ = 0;
};

} // namespace

int paintProgressReport(QPainter& painter, QPagedPaintDevice& device,
                        const ProgressReportInput& input) {
    return ProgressReport(painter, device, input).paint();
}

} // namespace obrix::ui
