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

// The check of a batch item's picture once drawn (a short web address, version 4, at 1024 px):
// what --verify adds to each file of a batch.
void scanCheck_batchItem_1024px(benchmark::State& state) {
    const QString payload = QStringLiteral("https://example.com/products/item-42?ref=batch");
    const MatrixResult matrix = QREngine::makeMatrix(payload, CorrectionLevel::m);
    const QImage picture = symbolPicture(*matrix, QRStyle{}, 1024);
    for (auto _ : state) {
        const auto result = checkScanOfPicture(picture, *matrix, QRStyle{}, payload.toUtf8());
        if (!result || !result->passed()) state.SkipWithError("did not read");
        benchmark::DoNotOptimize(result);
    }
}

}  // namespace

BENCHMARK(scanCheck_batchItem_1024px)->Unit(benchmark::kMillisecond);
