#pragma once

// One printed copy as a document of its own: begin() opens a print job on the printer, end()
// closes it and sends it off. A seam, so that tests can count the jobs or make them fail.

#include <QPainter>
#include <QString>

class QPrinter;

namespace obrix::report {

class ReportDocument {
public:
    virtual ~ReportDocument() = default;
    // Starts a new document on the printer. Returns the painter to draw the copy with, or null
    // with a description in `error` when the printer cannot be started.
    virtual QPainter* begin(QPrinter& printer, QString& error) = 0;
    // Ends the document begun last. False with a description when the printer failed.
    virtual bool end(QString& error) = 0;
};

// The real thing: a QPainter begin/end cycle on the printer, one print job per copy.
class PrinterDocument : public ReportDocument {
public:
    QPainter* begin(QPrinter& printer, QString& error) override;
    bool end(QString& error) override;

private:
    QPainter painter_;
    QPrinter* printer_ = nullptr;
};

} // namespace obrix::report
