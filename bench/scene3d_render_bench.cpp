#include <benchmark/benchmark.h>

#include "engine/qr_engine.h"
#include "render3d/offscreen_scene_renderer.h"
#include "scene3d/qr3d_scene_builder.h"

// One frame of the 3D preview at 600 × 600 px while it tilts, drawn and finished on the GPU (no
// read-back): version 40 and version 10 with dot modules, with 4× multisampling (argument 4) and
// without (0: what a software rasteriser gets). Needs an OpenGL 3.3 context, so run it with an
// X display (xvfb-run gives Mesa's software rasteriser); without one it reports an error.

namespace {

using namespace vostrel;

void runFrame(benchmark::State& state, int payloadLength) {
    OffscreenSceneRenderer renderer(int(state.range(0)));
    if (!renderer.isValid()) {
        state.SkipWithError(renderer.errorString().toUtf8().constData());
        return;
    }
    QRStyle style;
    style.moduleShape = ModuleShape::dot;
    const ModuleMatrix matrix =
        QREngine::makeMatrix(QString(payloadLength, QLatin1Char('x')), CorrectionLevel::l).value();
    const auto root = QR3DSceneBuilder::build(matrix, style);
    Entity* pivot = root->findEntity("qr-tilt-pivot");
    float tilt = 8.0f;
    for (auto _ : state) {
        // Each frame tilts a little further, as frames do while the user pans.
        tilt = tilt > 12.0f ? 8.0f : tilt + 0.25f;
        pivot->transform.rotation = QQuaternion::fromEulerAngles(tilt, -0.75f * tilt, 0.0f);
        renderer.drawFrame(*root, {600, 600}, Qt::white);
    }
}

void render3DFrame_600_version40_dot(benchmark::State& state) {
    runFrame(state, 2900);
}
void render3DFrame_600_version10_dot(benchmark::State& state) {
    runFrame(state, 250);
}

// Reading a drawn 600 × 600 frame back as a picture, as SceneView does for every frame it shows.
void render3DFrameImage_600(benchmark::State& state) {
    OffscreenSceneRenderer renderer(0);
    if (!renderer.isValid())
        return state.SkipWithError(renderer.errorString().toUtf8().constData());
    const ModuleMatrix matrix =
        QREngine::makeMatrix(QStringLiteral("read back"), CorrectionLevel::m).value();
    const auto root = QR3DSceneBuilder::build(matrix, QRStyle{});
    renderer.drawFrame(*root, {600, 600}, Qt::white);
    for (auto _ : state) benchmark::DoNotOptimize(renderer.frameImage());
}

}  // namespace

BENCHMARK(render3DFrameImage_600)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(render3DFrame_600_version40_dot)
    ->Arg(4)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(render3DFrame_600_version10_dot)
    ->Arg(4)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
