#pragma once

// File-name rules of the shared MIME database (the globs2 files that update-mime-database
// writes), used to find the MIME type of a file from its name.

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::association::freedesktop {

class MimeGlobs {
public:
    // Adds the lines of one globs2 file ("weight:type:pattern[:flags]"). Files are added most
    // important first; a __NOGLOBS__ line drops that type's patterns of the files after it.
    void addGlobs2(std::string_view text);

    // The MIME type of a file of that name, "" when no pattern fits. The highest weight wins,
    // then the longest pattern; patterns ignore case unless flagged "cs".
    std::string typeOf(std::string_view fileName) const;

private:
    struct Rule {
        int weight;
        std::string type;
        std::string pattern;
        bool caseSensitive;
    };
    std::vector<Rule> rules_;
    std::set<std::string> noGlobs_;
};

} // namespace obrix::association::freedesktop
