#pragma once

// The client progress report: a printed account of one client's administrations. Every page
// carries the client identifier and its page number. The first page gives the date range, the
// Total chart (cut-off, severity ranges, reliable-change markers) and the OCD and Hoarding
// Disorder chart (their cut-offs); then comes the table of administrations, continued on further
// pages under a repeated header, and last a block that states every figure used with its source.
// With few administrations everything fits one page and the charts take the room left over.

#include "history/client_history.h"

#include <QString>

#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace obrix::ui {

struct ProgressReportInput {
    QString identifier;
    const std::vector<history::Administration>& administrations; // ordered, as the window holds
};

// Paints the report with a painter active on device, starting new pages on the device as it
// goes. Returns the number of pages.
int paintProgressReport(QPainter& painter, QPagedPaintDevice& device,
                        const ProgressReportInput& input);

} // namespace obrix::ui
