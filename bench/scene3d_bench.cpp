#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QImage>

#include "engine/qr_engine.h"
#include "scene3d/qr3d_scene_builder.h"

// Building the 3D scene of a symbol, as the tilting preview does on every edit: version 40 with
// dot modules, a gradient and a logo (whose texture the builder keeps between builds), and a
// version 10 symbol in the default style.

namespace {

using namespace vostrel;

ModuleMatrix matrixOfLength(int length) {
    return QREngine::makeMatrix(QString(length, QLatin1Char('x')), CorrectionLevel::l).value();
}

QRStyle decoratedStyle() {
    QRStyle style;
    style.moduleShape = ModuleShape::dot;
    style.gradient = GradientStyle{CodableColor{0.1, 0.3, 0.9, 1.0}, GradientDirection::diagonal};
    QImage picture(256, 256, QImage::Format_ARGB32);
    picture.fill(Qt::darkMagenta);
    style.logoOverlay = makeLogoOverlay(picture);
    return style;
}

// Bytes allocated on the heap and not yet freed.
double heapBytesInUse() {
    return double(mallinfo2().uordblks + mallinfo2().hblkhd);
}

void build3DScene_version40_dotGradientLogo(benchmark::State& state) {
    const ModuleMatrix matrix = matrixOfLength(2900);
    const QRStyle style = decoratedStyle();
    for (auto _ : state) benchmark::DoNotOptimize(QR3DSceneBuilder::build(matrix, style));
    // What one scene holds while it lives (the logo texture is already cached).
    const double before = heapBytesInUse();
    const auto scene = QR3DSceneBuilder::build(matrix, style);
    state.counters["sceneMB"] = (heapBytesInUse() - before) / (1024.0 * 1024.0);
}

void build3DScene_version10_square(benchmark::State& state) {
    const ModuleMatrix matrix = matrixOfLength(250);
    for (auto _ : state) benchmark::DoNotOptimize(QR3DSceneBuilder::build(matrix, QRStyle{}));
}

}  // namespace

BENCHMARK(build3DScene_version40_dotGradientLogo)->Unit(benchmark::kMillisecond);
BENCHMARK(build3DScene_version10_square)->Unit(benchmark::kMillisecond);
