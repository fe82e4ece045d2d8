#pragma once

// The "Scoring records: 1200 of 100000" line that a long run keeps up to date on a terminal.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace obrix::cli {

class ProgressLine {
public:
    using Sink = std::function<void(std::string_view)>;

    // Runs with more records than this show the line.
    static constexpr std::size_t kThreshold = 300;

    // Only on a terminal, and not when the records themselves go to the same screen, where the
    // line would land in the middle of the output.
    static bool wanted(std::size_t total, bool errorIsTerminal, bool outputIsTerminal) {
        return total > kThreshold && errorIsTerminal && !outputIsTerminal;
    }

    // A disabled line writes nothing at all.
    ProgressLine(Sink sink, std::size_t total, bool enabled);

    // One more record done (scored or not). Redraws about every percent.
    void advance();

    // Takes the line off the screen, before an error line and at the end of the run.
    void clear();

private:
    void draw();

    Sink sink_;
    std::size_t total_;
    std::size_t step_;
    bool enabled_;
    std::size_t done_ = 0;
    std::size_t shownLength_ = 0; // 0 while no line is on the screen
};

} // namespace obrix::cli
