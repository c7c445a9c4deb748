#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include "document/vostrel_document.h"
#include "engine/qr_preview_controller.h"
#include "ui/editor/preview/preview_view.h"
#include "ui/editor/preview/symbol_canvas.h"

// Edit to picture: from a change of the document (its content, or its style) to the new picture
// painted in the preview's 600 px card, through the real preview pane, controller and event
// loop. A content edit waits out the controller's 50 ms debounce, so its budget is that plus
// 16 ms at version 10 and plus 40 ms at version 40; a style edit does not wait.

namespace {

using namespace vostrel;

constexpr int cardEdge = 600;

// A preview pane whose card is cardEdge wide, showing text content of `length` characters.
struct PreviewFixture {
    VostrelDocument document;
    QUndoStack undo;
    QRPreviewController controller;
    PreviewView view{&document, &controller, &undo};
    int length;
    int edits = 0;

    PreviewFixture(int length, ModuleShape shape) : length(length) {
        QRStyle style;
        style.moduleShape = shape;
        document.setStyle(style);
        view.resize(cardEdge + 80, cardEdge + 160);
        view.show();
        editContent();
        waitForPicture(0);
        // The card is the canvas's shorter side less its shadow, so shrink to the edge wanted.
        while (canvas()->cardRect().width() > cardEdge) {
            view.resize(view.width() - 1, view.height() - 1);
            QCoreApplication::processEvents();
        }
    }

    SymbolCanvas* canvas() const { return view.canvas(); }

    // Every edit makes a different symbol of the same version.
    void editContent() {
        document.setContent(QRContent::text(QString(length, QChar(u'a' + edits++ % 26))));
    }

    void editStyle() {
        QRStyle style = document.style();
        style.finderCornerRadius = (edits++ % 100) / 100.0;
        document.setStyle(style);
    }

    void waitForPicture(quint64 renderedBefore) const {
        while (canvas()->renderCount() == renderedBefore)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    template <class Edit>
    double millisecondsToPicture(Edit edit) {
        const quint64 before = canvas()->renderCount();
        QElapsedTimer clock;
        clock.start();
        edit();
        waitForPicture(before);
        return clock.nsecsElapsed() / 1e6;
    }

    void report(benchmark::State& state) const {
        state.counters["version"] = (canvas()->matrix().size() - 2 - 17) / 4.0;
        state.counters["card_px"] = canvas()->cardRect().width();
        state.counters["symbol_px"] =
            canvas()->symbolRect().width() * canvas()->devicePixelRatioF();
    }
};

void runContentEdits(benchmark::State& state, int length, ModuleShape shape) {
    PreviewFixture preview(length, shape);
    for (auto _ : state)
        state.SetIterationTime(preview.millisecondsToPicture([&] { preview.editContent(); }) / 1e3);
    preview.report(state);
}

void runStyleEdits(benchmark::State& state, int length, ModuleShape shape) {
    PreviewFixture preview(length, shape);
    for (auto _ : state)
        state.SetIterationTime(preview.millisecondsToPicture([&] { preview.editStyle(); }) / 1e3);
    preview.report(state);
}

// 200 bytes need version 10 at level M, 2300 bytes version 40.
constexpr int version10Length = 200;
constexpr int version40Length = 2300;

void editToPicture_content_version10(benchmark::State& state) {
    runContentEdits(state, version10Length, ModuleShape::square);
}
void editToPicture_content_version40(benchmark::State& state) {
    runContentEdits(state, version40Length, ModuleShape::square);
}
void editToPicture_content_version40_dot(benchmark::State& state) {
    runContentEdits(state, version40Length, ModuleShape::dot);
}
void editToPicture_style_version10(benchmark::State& state) {
    runStyleEdits(state, version10Length, ModuleShape::square);
}
void editToPicture_style_version40(benchmark::State& state) {
    runStyleEdits(state, version40Length, ModuleShape::square);
}
void editToPicture_style_version40_dot(benchmark::State& state) {
    runStyleEdits(state, version40Length, ModuleShape::dot);
}

}  // namespace

BENCHMARK(editToPicture_content_version10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(editToPicture_content_version40)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(editToPicture_content_version40_dot)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(editToPicture_style_version10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(editToPicture_style_version40)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(editToPicture_style_version40_dot)->UseManualTime()->Unit(benchmark::kMillisecond);
