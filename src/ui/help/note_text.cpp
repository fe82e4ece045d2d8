#include "ui/help/note_text.h"

#include "ui/help/crlf_lines.h"

#include <array>
#include <string_view>

namespace obrix::ui {

namespace {

// One entry per line. The trailing blanks are deliberate: the lines were broken by hand, and the
// blank that stood before each break stays with the line it ends.
constexpr std::array<std::string_view, 27> kNoteLines{{
    "A more recent scoring method removes the Hoarding subscale from the overall total. ",
    "Using this system (Quillane et al., 2015), the OCD Total and Hoarding scoring and ",
    "norms are:",
    "",
    "OCD scale (items 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18):",
    "",
    "    Clinical (OCD diagnosis): mean = 23.94 (12.11)",
    "    Normal (community sample): mean = 2.35 (3.54)",
    "",
    "Hoarding Disorder subscale (items 1, 7, 13):",
    "",
    "    Clinical (hoarding disorder diagnosis): mean = 9.29 (2.45)",
    "    Normal (community sample): mean = 1.32 (2.16)",
    "",
    "A larger and more diverse sample has also been derived by Marrowby et al ",
    "(2020), should one require those data.",
    "",
    "References:",
    "",
    "Marrowby (2020). Severity ",
    "benchmarks and contemporary clinical norms for the Obsessive-Compulsive ",
    "Inventory-Revised (OCI-R). Journal of Obsessive-Compulsive and Related ",
    "Disorders, 27, 100557. https://doi.org/10.1016/j.jocrd.2020.100557",
    "",
    "Quillane (2015). A contemporary psychometric evaluation of the Obsessive ",
    "Compulsive Inventory-Revised (OCI-R). Psychological Assessment, 27(3), 874 - 882. ",
    "https://doi.org/10.1037/pas0000075",
}};

} // namespace

QString scoringNoteText() {
    return help::joinCrLfLines(kNoteLines);
}

} // namespace obrix::ui
