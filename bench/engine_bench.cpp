#include <benchmark/benchmark.h>

#include "engine/qr_engine.h"

namespace {

using vostrel::CorrectionLevel;
using vostrel::QREngine;

void runGenerateMatrix(benchmark::State& state, const QString& payload, CorrectionLevel level) {
    QREngine engine;
    for (auto _ : state) {
        auto future = engine.generateMatrix(payload, level);
        future.waitForFinished();
        benchmark::DoNotOptimize(future.result());
    }
}

void generateMatrix_shortURL(benchmark::State& state) {
    runGenerateMatrix(state, QStringLiteral("https://example.com/menu"), CorrectionLevel::m);
}

void generateMatrix_version40(benchmark::State& state) {
    runGenerateMatrix(state, QString(2900, QLatin1Char('x')), CorrectionLevel::l);
}

}  // namespace

BENCHMARK(generateMatrix_shortURL)->Unit(benchmark::kMillisecond);
BENCHMARK(generateMatrix_version40)->Unit(benchmark::kMillisecond);
