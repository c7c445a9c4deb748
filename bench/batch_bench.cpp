#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "batch/batch_engine.h"
#include "batch/batch_items.h"

// Batch runs end to end: items to payloads, symbols, pictures and files in a fresh temporary
// folder, timed in wall-clock time since the work runs on the engine's executor.

namespace {

using namespace vostrel;

QList<QRContent> webAddresses(int count) {
    QList<QRContent> items;
    for (int i = 1; i <= count; ++i) {
        items.append(QRContent::url(
            {QStringLiteral("https://example.com/products/item-%1?ref=batch").arg(i)}));
    }
    return items;
}

QString contactsCsv(int count) {
    QString text = QStringLiteral("First Name,Last Name,Company,Mobile,E-mail,Website\n");
    for (int i = 1; i <= count; ++i) {
        text += QStringLiteral(
                    "Ada %1,Lovelace,Analytical Engines Ltd,+44 20 7946 %2,"
                    "ada%1@engines.example,https://engines.example/ada%1\n")
                    .arg(i)
                    .arg(i % 10000, 4, 10, QLatin1Char('0'));
    }
    return text;
}

BatchOutcome runBatch(const QList<QRContent>& items, const BatchConfig& config,
                      const BatchEngine::ProgressCallback& progress = {}) {
    BatchEngine engine;
    const QFuture<BatchOutcome> run =
        engine.generateBatch(items, {}, CorrectionLevel::m, config, progress);
    waitForBatch(run);
    return run.result();
}

BatchConfig configInto(const QTemporaryDir& folder, ExportFormat format) {
    return BatchConfig{format, 1024, NamingScheme::contentBased,
                       QUrl::fromLocalFile(folder.path())};
}

void reportFilesPerSecond(benchmark::State& state, qsizetype files) {
    state.counters["files/s"] =
        benchmark::Counter(double(files), benchmark::Counter::kIsIterationInvariantRate);
}

void batch_1000_urls_png1024(benchmark::State& state) {
    const QList<QRContent> items = webAddresses(1000);
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<QTemporaryDir>();
        state.ResumeTiming();
        const BatchOutcome outcome = runBatch(items, configInto(*folder, ExportFormat::png));
        if (!outcome || outcome->generatedCount != 1000) state.SkipWithError("files missing");
        state.PauseTiming();
        folder.reset();
        state.ResumeTiming();
    }
    reportFilesPerSecond(state, 1000);
}

// The same run with and without reading every picture back first (--verify); budget: at most
// 1.6 times the time without.
void batch_200_urls_png1024(benchmark::State& state) {
    const QList<QRContent> items = webAddresses(200);
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<QTemporaryDir>();
        BatchConfig config = configInto(*folder, ExportFormat::png);
        config.verifyReading = state.range(0) != 0;
        state.ResumeTiming();
        const BatchOutcome outcome = runBatch(items, config);
        if (!outcome || outcome->generatedCount != 200) state.SkipWithError("files missing");
        state.PauseTiming();
        folder.reset();
        state.ResumeTiming();
    }
    reportFilesPerSecond(state, 200);
}

// The CSV is parsed and mapped inside the timed part, as the command line does.
void batch_1000_contacts_csv_svg(benchmark::State& state) {
    const QString csv = contactsCsv(1000);
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<QTemporaryDir>();
        state.ResumeTiming();
        const QList<QRContent> items = batchItems(BatchContentType::contact, csv);
        const BatchOutcome outcome = runBatch(items, configInto(*folder, ExportFormat::svg));
        if (!outcome || outcome->generatedCount != 1000) state.SkipWithError("files missing");
        state.PauseTiming();
        folder.reset();
        state.ResumeTiming();
    }
    reportFilesPerSecond(state, 1000);
}

// Kibibytes of the process from /proc/self/status: "VmRSS" now, "VmHWM" its peak.
double statusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ')[0].toDouble();
    }
    return 0;
}

// Resets the peak so that it covers this run only (Linux 4.0 and later).
void resetPeakResidentSize() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly)) clearRefs.write("5");
}

// Memory over a long run: resident size after 1,000 files and after 10,000, and the peak.
void batch_10000_urls_png1024_memory(benchmark::State& state) {
    const QList<QRContent> items = webAddresses(10000);
    for (auto _ : state) {
        QTemporaryDir folder;
        resetPeakResidentSize();
        double after1000 = 0;
        const BatchOutcome outcome =
            runBatch(items, configInto(folder, ExportFormat::png), [&](const BatchProgress& p) {
                if (p.completed == 1000) after1000 = statusKiB("VmRSS");
            });
        if (!outcome || outcome->generatedCount != 10000) state.SkipWithError("files missing");
        state.counters["RSS after 1000 MiB"] = after1000 / 1024;
        state.counters["RSS after 10000 MiB"] = statusKiB("VmRSS") / 1024;
        state.counters["peak RSS MiB"] = statusKiB("VmHWM") / 1024;
    }
    reportFilesPerSecond(state, 10000);
}

}  // namespace

BENCHMARK(batch_1000_urls_png1024)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(batch_200_urls_png1024)
    ->ArgName("verify")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(batch_1000_contacts_csv_svg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(batch_10000_urls_png1024_memory)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(1);
