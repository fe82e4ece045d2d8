#include "app/association/freedesktop/mime_globs.h"

#include "app/association/freedesktop/ascii.h"
#include "app/association/freedesktop/split.h"

#include <algorithm>
#include <charconv>
#include <fnmatch.h>

namespace obrix::association::freedesktop {

namespace {

bool hasFlag(std::string_view flags, std::string_view flag) {
    const std::vector<std::string_view> parts = splitAt(flags, ',');
    return std::find(parts.begin(), parts.end(), flag) != parts.end();
}

} // namespace

void MimeGlobs::addGlobs2(std::string_view text) {
    std::set<std::string> dropped;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> parts = splitAt(line, ':');
        if (parts.size() < 3 || parts[1].empty() || parts[2].empty())
            continue;
        const std::string type(parts[1]);
        if (parts[2] == "__NOGLOBS__") {
            dropped.insert(type);
            continue;
        }
        if (noGlobs_.count(type) != 0)
            continue;
        int weight = 0;
        const auto [end_, error] =
            std::from_chars(parts[0].data(), parts[0].data() + parts[0].size(), weight);
        if (error != std::errc() || end_ != parts[0].data() + parts[0].size())
            continue;
        const bool caseSensitive = parts.size() > 3 && hasFlag(parts[3], "cs");
        rules_.push_back({weight, type,
                          caseSensitive ? std::string(parts[2]) : lowerAscii(parts[2]),
                          caseSensitive});
    }
    noGlobs_.insert(dropped.begin(), dropped.end());
}

std::string MimeGlobs::typeOf(std::string_view fileName) const {
    const std::string exact(fileName);
    const std::string lower = lowerAscii(fileName);
    const Rule* best = nullptr;
    for (const Rule& rule : rules_) {
        const std::string& name = rule.caseSensitive ? exact : lower;
        if (::fnmatch(rule.pattern.c_str(), name.c_str(), 0) != 0)
            continue;
        if (!best || rule.weight > best->weight ||
            (rule.weight == best->weight && rule.pattern.size() > best->pattern.size()))
            best = &rule;
    }
    return best ? best->type : std::string();
}

} // namespace obrix::association::freedesktop
