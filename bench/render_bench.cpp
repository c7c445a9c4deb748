#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "engine/qr_engine.h"
#include "render/qr_module_renderer.h"

// Rendering alone, without encoding: the fast raster fill against the one-path QPainter fill
// it reproduces, for a version 40 symbol (179 × 179 with its margin) at 1024 px.

namespace {

using namespace vostrel;

constexpr int canvasPixels = 1024;

const ModuleMatrix& version40Matrix() {
    static const ModuleMatrix matrix =
        QREngine::makeMatrix(QString(2900, QLatin1Char('x')), CorrectionLevel::l).value();
    return matrix;
}

void runRender(benchmark::State& state, ModuleShape shape, bool asOnePath) {
    QRModuleRenderer renderer{version40Matrix(), {}};
    renderer.style.moduleShape = shape;
    QImage image(canvasPixels, canvasPixels, QImage::Format_ARGB32_Premultiplied);
    const QSizeF canvas(canvasPixels, canvasPixels);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        if (asOnePath) {
            renderer.drawAsOnePath(painter, canvas);
        } else {
            renderer.draw(painter, canvas);
        }
    }
}

void render_1024_version40_square(benchmark::State& state) {
    runRender(state, ModuleShape::square, false);
}
void render_1024_version40_dot(benchmark::State& state) {
    runRender(state, ModuleShape::dot, false);
}
void render_1024_version40_squircle(benchmark::State& state) {
    runRender(state, ModuleShape::squircle, false);
}
void renderAsOnePath_1024_version40_square(benchmark::State& state) {
    runRender(state, ModuleShape::square, true);
}
void renderAsOnePath_1024_version40_dot(benchmark::State& state) {
    runRender(state, ModuleShape::dot, true);
}

}  // namespace

BENCHMARK(render_1024_version40_square)->Unit(benchmark::kMillisecond);
BENCHMARK(render_1024_version40_dot)->Unit(benchmark::kMillisecond);
BENCHMARK(render_1024_version40_squircle)->Unit(benchmark::kMillisecond);
// The reference is two orders of magnitude slower; a few iterations show it.
BENCHMARK(renderAsOnePath_1024_version40_square)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(renderAsOnePath_1024_version40_dot)->Unit(benchmark::kMillisecond)->Iterations(3);
