#pragma once

#include <QString>

namespace obrix::ui {

// The scoring note: an alternative scoring that takes the three hoarding items out of the total,
// with the norms of both scales and the two papers they come from. 27 lines, each ended by CR LF,
// blanks at line ends included. Text widgets turn each CR LF into one line break ("\n").
QString scoringNoteText();

} // namespace obrix::ui
