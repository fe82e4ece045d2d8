#include "history/client_history.h"

#include "records/record_file.h"
#include "scoring/raw_scores.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace obrix::history {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool endsWithRecordExtension(const std::string& name) {
    if (name.size() < 4)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c | 0x20); });
    return extension == ".oci";
}

bool earlier(const Administration& a, const Administration& b) {
    const auto& x = a.record.date;
    const auto& y = b.record.date;
    return std::tie(x.year, x.month, x.day) < std::tie(y.year, y.month, y.day) ||
           (x == y && a.file.native() < b.file.native());
}

} // namespace

std::string_view clientKey(std::string_view identifier) {
    while (!identifier.empty() && isBlank(identifier.front()))
        identifier.remove_prefix(1);
    while (!identifier.empty() && isBlank(identifier.back()))
        identifier.remove_suffix(1);
    return identifier;
}

Scored scoreRecord(const std::filesystem::path& file, const records::ClientRecord& record,
                   scoring::ComparisonGroup group, scoring::NormalDistributionSource& statistics) {
    const scoring::Calculation result = scoring::calculate(record.items, group, statistics);
    if (result.validation != scoring::ValidationError::None)
        return {std::nullopt, std::string(scoring::validationMessage(result.validation))};
    if (!result.complete())
        return {std::nullopt, result.failure};
    Administration administration{file, record, result.scales, 0, {}, {}, {}, {}, {}};
    // Validated, so every item has a value from 0 to 4.
    if (const auto values = scoring::itemValues(record.items))
        administration.split = splitScores(*values);
    return {std::move(administration), {}};
}

void orderAdministrations(std::vector<Administration>& administrations) {
    std::stable_sort(administrations.begin(), administrations.end(), earlier);
    for (std::size_t i = 0; i < administrations.size(); ++i) {
        Administration& current = administrations[i];
        current.number = static_cast<int>(i) + 1;
        current.changeFromFirst.reset();
        current.changeFromPrevious.reset();
        current.reliableChangeFromFirst.reset();
        current.recovered.reset();
        if (i > 0) {
            const int firstTotal = administrations.front().total();
            current.changeFromFirst = current.total() - firstTotal;
            current.changeFromPrevious = current.total() - administrations[i - 1].total();
            current.reliableChangeFromFirst = reliableChange(*current.changeFromFirst);
            current.recovered = history::recovered(firstTotal, current.total());
        }
    }
}

std::vector<std::vector<Administration>> groupByClient(std::vector<Administration> all) {
    std::vector<std::vector<Administration>> clients;
    std::unordered_map<std::string, std::size_t> indexOfClient;
    for (Administration& administration : all) {
        const std::string key(clientKey(administration.record.identifier));
        const auto [where, added] = indexOfClient.try_emplace(key, clients.size());
        if (added)
            clients.emplace_back();
        clients[where->second].push_back(std::move(administration));
    }
    for (auto& client : clients)
        orderAdministrations(client);
    return clients;
}

std::vector<std::filesystem::path> recordFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.' || !endsWithRecordExtension(name))
            continue;
        std::error_code ignored;
        if (entry.is_regular_file(ignored))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.native() < b.native(); });
    return files;
}

History readHistory(const HistoryRequest& request) {
    History history;
    const std::vector<std::filesystem::path> files = recordFilesIn(request.folder);
    const std::string_view wanted = clientKey(request.identifier);
    scoring::NormalDistributionSource statistics;
    for (const std::filesystem::path& file : files) {
        if (request.progress && !request.progress(history.filesRead, files.size())) {
            history.cancelled = true;
            break;
        }
        ++history.filesRead;
        const records::ReadResult read = records::readRecordFile(file);
        if (!read.ok()) {
            history.leftOut.push_back({file, read.error});
            continue;
        }
        if (clientKey(read.record->identifier) != wanted)
            continue;
        Scored scored = scoreRecord(file, *read.record, request.group, statistics);
        if (scored.administration)
            history.administrations.push_back(std::move(*scored.administration));
        else
            history.leftOut.push_back({file, std::move(scored.reason)});
    }
    if (request.progress && !history.cancelled)
        request.progress(history.filesRead, files.size());
    orderAdministrations(history.administrations);
    return history;
}

} // namespace obrix::history
