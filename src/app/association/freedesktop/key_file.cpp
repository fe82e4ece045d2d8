#include "app/association/freedesktop/key_file.h"

namespace obrix::association::freedesktop {

namespace {

struct Line {
    std::size_t begin;
    std::size_t end; // one past the last character before the line break
    std::size_t next;
};

// Walks the lines of a text, each with or without its final line break.
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : text_(text) {}

    std::optional<Line> next() {
        if (position_ >= text_.size())
            return std::nullopt;
        const std::size_t breakAt = text_.find('\n', position_);
        Line line{position_, breakAt == std::string_view::npos ? text_.size() : breakAt, 0};
        line.next = breakAt == std::string_view::npos ? text_.size() : breakAt + 1;
        position_ = line.next;
        if (line.end > line.begin && text_[line.end - 1] == '\r')
            --line.end;
        return line;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The group name of a "[name]" line.
std::optional<std::string_view> groupHeader(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return line.substr(1, line.size() - 2);
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> keyValue(std::string_view line) {
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#')
        return std::nullopt;
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Entry{trimmed(content.substr(0, equals)), trimmed(content.substr(equals + 1))};
}

} // namespace

std::optional<std::string> findKeyFileValue(std::string_view text, std::string_view group,
                                            std::string_view key) {
    LineReader reader(text);
    bool inGroup = false;
    bool groupSeen = false;
    while (const std::optional<Line> line = reader.next()) {
        const std::string_view content = text.substr(line->begin, line->end - line->begin);
        if (const std::optional<std::string_view> name = groupHeader(content)) {
            if (groupSeen && inGroup)
                return std::nullopt;
            inGroup = *name == group;
            groupSeen = groupSeen || inGroup;
            continue;
        }
        if (!inGroup)
            continue;
        if (const std::optional<Entry> entry = keyValue(content); entry && entry->key == key)
            return std::string(entry->value);
    }
    return std::nullopt;
}

std::string unescapeValue(std::string_view raw) {
    std::string value;
    value.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            value += raw[i];
            continue;
        }
        switch (raw[i + 1]) {
        case 's':
            value += ' ';
            break;
        case 'n':
            value += '\n';
            break;
        case 't':
            value += '\t';
            break;
        case 'r':
            value += '\r';
            break;
        case '\\':
            value += '\\';
            break;
        default:
            value += raw[i];
            continue; // not an escape: keep the backslash, read on
        }
        ++i;
    }
    return value;
}

std::string escapeValue(std::string_view value) {
    std::string raw;
    raw.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        switch (value[i]) {
        case '\\':
            raw += "\\\\";
            break;
        case '\n':
            raw += "\\n";
            break;
        case '\t':
            raw += "\\t";
            break;
        case '\r':
            raw += "\\r";
            break;
        // Blanks at either end would be trimmed away when reading.
        case ' ':
            raw += i == 0 || i + 1 == value.size() ? "\\s" : " ";
            break;
        default:
            raw += value[i];
        }
    }
    return raw;
}

std::vector<std::string> splitListValue(std::string_view raw) {
    std::vector<std::string> items;
    std::string item;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == ';') {
            item += ';';
            ++i;
        } else if (raw[i] == ';') {
            if (!item.empty())
                items.push_back(unescapeValue(item));
            item.clear();
        } else {
            item += raw[i];
        }
    }
    if (!item.empty())
        items.push_back(unescapeValue(item));
    return items;
}

std::string setKeyFileValue(std::string_view text, std::string_view group, std::string_view key,
                            std::string_view rawValue) {
    std::string newLine(key);
    newLine += '=';
    newLine += rawValue;
    newLine += '\n';

    LineReader reader(text);
    bool inGroup = false;
    std::optional<std::size_t> groupEnd; // where a new key line goes
    while (const std::optional<Line> line = reader.next()) {
        const std::string_view content = text.substr(line->begin, line->end - line->begin);
        if (const std::optional<std::string_view> name = groupHeader(content)) {
            if (inGroup)
                break;
            inGroup = *name == group && !groupEnd;
            if (inGroup)
                groupEnd = line->next;
            continue;
        }
        if (!inGroup)
            continue;
        if (const std::optional<Entry> entry = keyValue(content); entry && entry->key == key) {
            std::string result(text.substr(0, line->begin));
            result += newLine;
            result += text.substr(line->next);
            return result;
        }
        if (!trimmed(content).empty())
            groupEnd = line->next;
    }

    std::string result(text);
    // The last line may lack its line break; the added text must start on a line of its own.
    const auto breakBefore = [&](std::size_t at) {
        return at > 0 && text[at - 1] != '\n' ? std::string("\n") : std::string();
    };
    if (groupEnd) {
        result.insert(*groupEnd, breakBefore(*groupEnd) + newLine);
        return result;
    }
    result += breakBefore(text.size());
    if (!text.empty())
        result += '\n';
    result += '[';
    result += group;
    result += "]\n";
    result += newLine;
    return result;
}

} // namespace obrix::association::freedesktop
