#include <benchmark/benchmark.h>

#include "engine/qr_engine.h"
#include "engine/scan_check.h"
#include "render/qr_module_renderer.h"

// The scan check as the preview runs it off the main thread: drawing the exported picture, making
// the small print and four readings. Budget: 40 ms for a version 10 symbol at 1024 px.

namespace {

using namespace vostrel;

void runScanCheck(benchmark::State& state, const QString& payload, const QRStyle& style) {
    const MatrixResult matrix = QREngine::makeMatrix(payload, CorrectionLevel::m);
    if (!matrix) return state.SkipWithError("no symbol");
    state.counters["version"] = double(matrix->size() - 2 - 17) / 4.0;
    const QByteArray expected = payload.toUtf8();
    for (auto _ : state) {
        const auto result = checkScan(*matrix, style, 1024, expected);
        if (!result || !result->passed()) state.SkipWithError("did not read");
        benchmark::DoNotOptimize(result);
    }
}

// 200 bytes at level M make a version 10 symbol (57 modules).
const QString version10Payload = QStringLiteral("https://example.com/") + QString(180, u'v');

void scanCheck_version10_1024px(benchmark::State& state) {
    runScanCheck(state, version10Payload, QRStyle{});
}

void scanCheck_version10_1024px_dots(benchmark::State& state) {
    QRStyle style;
    style.moduleShape = ModuleShape::dot;
    runScanCheck(state, version10Payload, style);
}

}  // namespace

BENCHMARK(scanCheck_version10_1024px)->Unit(benchmark::kMillisecond);
BENCHMARK(scanCheck_version10_1024px_dots)->Unit(benchmark::kMillisecond);

namespace {

// One reader on one picture of a short web address (version 4) at 1024 px, as a batch item is
// read back: what each of the four readings of a check costs.
void reading_batchItem_1024px(benchmark::State& state) {
    const QString payload = QStringLiteral("https://example.com/products/item-42?ref=batch");
    const MatrixResult matrix = QREngine::makeMatrix(payload, CorrectionLevel::m);
    const QRReader reader = allReaders[state.range(0)];
    const int edge = state.range(1) == 1 ? 1024 : state.range(1) == 2 ? 256 : int(matrix->size() - 2 + 8) * 3;
    const QImage grey =
        symbolPicture(*matrix, QRStyle{}, edge).convertToFormat(QImage::Format_Grayscale8);
    const ReadOptions options{false, double(edge) / double(matrix->size() - 2 + 8)};
    for (auto _ : state) {
        const auto bytes = readQRBytes(reader, grey, options);
        if (!bytes) state.SkipWithError("did not read");
        benchmark::DoNotOptimize(bytes);
    }
}

}  // namespace

BENCHMARK(reading_batchItem_1024px)
    ->ArgNames({"zbar", "exported"})
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);
