#pragma once

// What the print command reads of the window that shows the results: the identifier, the date,
// the comparison group and the 21 result boxes as they stand. The main window implements it.

#include "report/report_lines.h"

namespace obrix::report {

class ReportForm {
public:
    virtual ~ReportForm() = default;
    // No computation and no validation: the texts exactly as the boxes hold them.
    virtual ReportInput reportInput() const = 0;

protected:
    ReportForm() = default;
    ReportForm(const ReportForm&) = default;
    ReportForm& operator=(const ReportForm&) = default;
};

} // namespace obrix::report
