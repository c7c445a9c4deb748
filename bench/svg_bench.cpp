#include <benchmark/benchmark.h>

#include "engine/qr_engine.h"
#include "export/svg_document.h"

namespace {

using namespace vostrel;

// A version 40 symbol (179 × 179 with its margin): the largest text the writer ever produces.
const ModuleMatrix& version40Matrix() {
    static const ModuleMatrix matrix =
        QREngine::makeMatrix(QString(2900, QLatin1Char('x')), CorrectionLevel::l).value();
    return matrix;
}

void runSvgDocument(benchmark::State& state, ModuleShape shape) {
    QRStyle style;
    style.moduleShape = shape;
    const ModuleMatrix& matrix = version40Matrix();
    for (auto _ : state) benchmark::DoNotOptimize(svgDocument(matrix, style));
}

void svgDocument_version40_square(benchmark::State& state) {
    runSvgDocument(state, ModuleShape::square);
}

void svgDocument_version40_dot(benchmark::State& state) {
    runSvgDocument(state, ModuleShape::dot);
}

void svgDocument_version40_squircle(benchmark::State& state) {
    runSvgDocument(state, ModuleShape::squircle);
}

}  // namespace

BENCHMARK(svgDocument_version40_square)->Unit(benchmark::kMillisecond);
BENCHMARK(svgDocument_version40_dot)->Unit(benchmark::kMillisecond);
BENCHMARK(svgDocument_version40_squircle)->Unit(benchmark::kMillisecond);
