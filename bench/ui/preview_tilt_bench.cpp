#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "engine/qr_engine.h"
#include "render3d/scene_view.h"
#include "ui/editor/preview/qr3d_preview_view.h"
#include "ui/editor/preview/symbol_canvas.h"

// The preview card's 3D tilt for a version 40 symbol in a 520 px card (the card of a document
// window at its default size), fed like a 120 Hz trackpad: 2 px of travel every 8 ms.
// - previewTilt_firstFrame: from the start of a pan on a drained card to the first frame on
//   screen that shows a tilt (build, install, the 60 ms warm-up, frames). Budget: 80 ms on
//   Mesa's software rasteriser. The window's very first pan, which also makes the view's GL
//   context, is reported apart (window_first_ms).
// - previewTilt_frames: tilted frames while the pan goes on (counter fps; budget 30).
// OpenGL needs a display, so run these under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb
//     build/default/bench/ui/vostrel_ui_bench --benchmark_filter=previewTilt
// Elsewhere they report an error.

namespace {

using namespace vostrel;
using namespace std::chrono_literals;

constexpr int cardEdge = 520;

struct TiltFixture {
    QWidget window;
    SymbolCanvas* canvas = new SymbolCanvas(&window);
    QR3DPreviewView* view = canvas->preview3D();
    QTimer feeder;
    qreal travel = 0;
    quint64 tiltedFrames = 0;
    bool countingFrames = false;

    TiltFixture() {
        const ModuleMatrix matrix =
            QREngine::makeMatrix(QString(2900, QLatin1Char('x')), CorrectionLevel::l).value();
        canvas->setSymbol(matrix, QRStyle{});
        const int edge = SymbolCanvas::canvasEdgeFor(cardEdge);
        canvas->resize(edge, edge);
        window.resize(edge, edge);
        window.show();
        feeder.setTimerType(Qt::PreciseTimer);
        feeder.setInterval(8ms);
        QObject::connect(&feeder, &QTimer::timeout, [this] {
            travel += 2;
            view->handlePan(PanState::changed, {travel, travel / 2});
        });
        settle(500ms);
    }

    static void settle(std::chrono::milliseconds duration) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < duration.count()) QApplication::processEvents();
    }

    // Returns how long the pan's start took (building and installing the scene).
    double beginPan() {
        travel = 0;
        QElapsedTimer clock;
        clock.start();
        view->handlePan(PanState::began, {0, 0});
        const double started = clock.nsecsElapsed() / 1e6;
        if (!countingFrames) {
            QObject::connect(view->sceneView(), &SceneView::framePainted, &feeder,
                             [this] { tiltedFrames += view->tilt().y != 0; });
            countingFrames = true;
        }
        feeder.start();
        return started;
    }

    void waitForTiltedFrames(quint64 count) {
        const quint64 target = tiltedFrames + count;
        while (tiltedFrames < target) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    // Lets go and drains the scene, as hiding the window does.
    void endPan() {
        feeder.stop();
        view->handlePan(PanState::ended, {travel, travel / 2});
        window.hide();
        window.show();
        settle(100ms);
    }

    void report(benchmark::State& state) const {
        state.counters["version"] = (canvas->matrix().size() - 2 - 17) / 4.0;
        state.counters["card_px"] = canvas->cardRect().width();
    }
};

void previewTilt_firstFrame(benchmark::State& state) {
    if (!SceneView::openGLAvailable()) {
        state.SkipWithError("OpenGL needs a display: run under Xvfb");
        return;
    }
    TiltFixture fixture;
    // The window's first pan also makes the view and its GL context; that one is left out of the
    // timing and reported on its own.
    QElapsedTimer firstClock;
    firstClock.start();
    fixture.beginPan();
    fixture.waitForTiltedFrames(1);
    const double firstMilliseconds = firstClock.nsecsElapsed() / 1e6;
    fixture.endPan();
    double startMilliseconds = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        startMilliseconds += fixture.beginPan();
        fixture.waitForTiltedFrames(1);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        fixture.endPan();
    }
    fixture.report(state);
    // Of which the scene's building and installing.
    state.counters["build_ms"] = startMilliseconds / double(state.iterations());
    state.counters["window_first_ms"] = firstMilliseconds;
}

void previewTilt_frames(benchmark::State& state) {
    if (!SceneView::openGLAvailable()) {
        state.SkipWithError("OpenGL needs a display: run under Xvfb");
        return;
    }
    constexpr int framesPerIteration = 30;
    TiltFixture fixture;
    fixture.beginPan();
    fixture.waitForTiltedFrames(1);
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        fixture.waitForTiltedFrames(framesPerIteration);
        const double elapsed = clock.nsecsElapsed() / 1e9;
        seconds += elapsed;
        state.SetIterationTime(elapsed);
    }
    fixture.endPan();
    fixture.report(state);
    state.counters["fps"] = framesPerIteration * double(state.iterations()) / seconds;
}

}  // namespace

BENCHMARK(previewTilt_firstFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(previewTilt_frames)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
