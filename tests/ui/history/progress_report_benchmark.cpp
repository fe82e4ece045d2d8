// The progress report of 20,000 administrations of one client, painted into a PDF file as the
// printer dialog's "Print to File" does: the time, and the pages as a counter.
#include "ui/history/progress_report.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPrinter>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kAdministrations = 20000;

std::vector<obrix::history::Administration> client() {
    obrix::scoring::NormalDistributionSource statistics;
    std::mt19937 random(7);
    std::vector<obrix::history::Administration> all;
    for (int i = 0; i < kAdministrations; ++i) {
        obrix::records::ClientRecord record{
            "Client 0427", {2000 + i % 26, 1 + i % 12, 1 + i % 28}, {}};
        for (auto& item : record.items)
            item = std::to_string(random() % 5);
        all.push_back(*obrix::history::scoreRecord("r.oci", record,
                                                   obrix::scoring::ComparisonGroup::Ocd, statistics)
                           .administration);
    }
    obrix::history::orderAdministrations(all);
    return all;
}

void paintTwentyThousand(benchmark::State& state) {
    static const std::vector<obrix::history::Administration> administrations = client();
    const QString file = QDir::temp().filePath(QStringLiteral("obrix-progress-benchmark.pdf"));
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        QPainter painter(&printer);
        pages = obrix::ui::paintProgressReport(painter, printer,
                                               {QStringLiteral("Client 0427"), administrations});
    }
    state.counters["pages"] = pages;
}
BENCHMARK(paintTwentyThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
