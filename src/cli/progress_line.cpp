#include "cli/progress_line.h"

#include <algorithm>
#include <utility>

namespace obrix::cli {

ProgressLine::ProgressLine(Sink sink, std::size_t total, bool enabled)
    : sink_(std::move(sink))
    , total_(total)
    , step_(std::max<std::size_t>(1, total / 100))
    , enabled_(enabled) {}

void ProgressLine::advance() {
    ++done_;
    if (enabled_ && (done_ % step_ == 0 || done_ == total_ || shownLength_ == 0))
        draw();
}

void ProgressLine::clear() {
    if (shownLength_ == 0)
        return;
    std::string blank = "\r";
    blank.append(shownLength_, ' ');
    blank += '\r';
    sink_(blank);
    shownLength_ = 0;
}

void ProgressLine::draw() {
    const std::string text =
        "Scoring records: " + std::to_string(done_) + " of " + std::to_string(total_);
    // The line only grows, so writing over the old one leaves nothing of it behind.
    sink_("\r" + text);
    shownLength_ = text.size();
}

} // namespace obrix::cli
