#include "cli/record_sources.h"

#include "records/utf8_path.h"

#include <algorithm>

namespace obrix::cli {

namespace fs = std::filesystem;

namespace {

using Kind = RecordSource::Kind;

RecordSource problem(const fs::path& path, const std::error_code& error) {
    return {Kind::Problem, path, error.message()};
}

// Appends the record files of folder (and, with recursive, of its subfolders) to files, and a
// Problem for every folder that cannot be listed to problems.
void listFolder(const fs::path& folder, bool recursive, std::vector<fs::path>& files,
                std::vector<RecordSource>& problems) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = records::utf8String(entry->path().filename());
        std::error_code typeError;
        if (recursive && entry->is_directory(typeError) && !entry->is_symlink(typeError)) {
            if (!name.starts_with('.'))
                listFolder(entry->path(), recursive, files, problems);
            continue;
        }
        if (isRecordFileName(name) && entry->is_regular_file(typeError))
            files.push_back(entry->path());
    }
    if (error)
        problems.push_back(problem(folder, error));
}

} // namespace

bool isRecordFileName(std::string_view fileName) {
    constexpr std::string_view kExtension = ".oci";
    if (fileName.size() <= kExtension.size() || fileName.starts_with('.'))
        return false;
    const std::string_view extension = fileName.substr(fileName.size() - kExtension.size());
    return std::equal(extension.begin(), extension.end(), kExtension.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

std::vector<RecordSource> collectRecordSources(const std::vector<std::string>& paths,
                                               bool recursive) {
    std::vector<RecordSource> sources;
    for (const std::string& text : paths) {
        if (text == "-") {
            sources.push_back({Kind::StandardInput, text, {}});
            continue;
        }
        const fs::path path(text);
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (error || !fs::is_directory(status)) {
            // A missing file or the system's problem with it is reported by reading it.
            sources.push_back({Kind::File, path, {}});
            continue;
        }
        std::vector<fs::path> files;
        std::vector<RecordSource> problems;
        listFolder(path, recursive, files, problems);
        if (files.empty() && problems.empty())
            problems.push_back({Kind::Problem, path, std::string(kNoRecordFiles)});
        std::sort(files.begin(), files.end());
        sources.insert(sources.end(), problems.begin(), problems.end());
        for (fs::path& file : files)
            sources.push_back({Kind::File, std::move(file), {}});
    }
    return sources;
}

} // namespace obrix::cli
