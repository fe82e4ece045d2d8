#pragma once

// Paints a report's lines onto one page of any paint device (a printer, a PDF writer, an image).
// Positions are print columns: column 1 is the left edge of the painter's origin (the printable
// area on a printer) and one column is the average character width of the line's own font on
// that device, so a column lies further left in a smaller font.

#include "report/report_lines.h"

#include <QFont>
#include <QList>

class QPainter;
class QPaintDevice;

namespace obrix::report {

// Where one line goes, in the device's units.
struct PlacedLine {
    qreal x = 0;        // left end of the text
    qreal top = 0;      // top of the line
    qreal baseline = 0; // where the text sits
};

// The report's typeface at the line's weight and size.
QFont reportFont(const ReportLine& line);

// Positions of the lines on the device: each line starts below the previous one, by the line
// spacing of the previous line's font.
QList<PlacedLine> layoutReport(const QList<ReportLine>& lines, QPaintDevice* device);

// Paints the lines on the painter's current page; never starts another page. Returns the
// positions used.
QList<PlacedLine> paintReport(QPainter& painter, const QList<ReportLine>& lines);

} // namespace obrix::report
