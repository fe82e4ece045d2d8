// Reading a folder of 20,000 records of one client, as the history window does it: listing,
// reading, scoring, ordering.
#include "history/client_history.h"

#include "records/record_format.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int kRecords = 20000;

std::filesystem::path makeFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "obrix-history-benchmark";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::mt19937 random(7);
    for (int i = 0; i < kRecords; ++i) {
        obrix::records::ClientRecord record{"Client 0427",
                                            {2000 + i % 26, 1 + i % 12, 1 + i % 28}, {}};
        for (auto& item : record.items)
            item = std::to_string(random() % 5);
        std::ofstream(folder / ("record" + std::to_string(i) + ".oci"), std::ios::binary)
            << obrix::records::encodeRecord(record);
    }
    return folder;
}

void readTwentyThousand(benchmark::State& state) {
    static const std::filesystem::path folder = makeFolder();
    obrix::history::HistoryRequest request;
    request.folder = folder;
    request.identifier = "Client 0427";
    for (auto _ : state) {
        const obrix::history::History history = obrix::history::readHistory(request);
        if (history.administrations.size() != kRecords)
            state.SkipWithError("not every record was read");
        benchmark::DoNotOptimize(history);
    }
}
BENCHMARK(readTwentyThousand)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
