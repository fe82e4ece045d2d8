#include "report/report_renderer.h"

#include <QFontMetricsF>
#include <QPainter>

namespace obrix::report {

QFont reportFont(const ReportLine& line) {
    // Liberation Serif is installed with the program; the hint keeps a serif face elsewhere.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(line.pointSize);
    font.setBold(line.bold);
    return font;
}

QList<PlacedLine> layoutReport(const QList<ReportLine>& lines, QPaintDevice* device) {
    QList<PlacedLine> placed;
    placed.reserve(lines.size());
    qreal top = 0;
    for (const ReportLine& line : lines) {
        const QFontMetricsF metrics(reportFont(line), device);
        const qreal x = (line.column - 1) * metrics.averageCharWidth();
        placed.append({x, top, top + metrics.ascent()});
        top += metrics.lineSpacing();
    }
    return placed;
}

QList<PlacedLine> paintReport(QPainter& painter, const QList<ReportLine>& lines) {
    const QList<PlacedLine> placed = layoutReport(lines, painter.device());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].text.isEmpty())
            continue;
        painter.setFont(reportFont(lines[i]));
        painter.drawText(QPointF(placed[i].x, placed[i].baseline), lines[i].text);
    }
    return placed;
}

} // namespace obrix::report
