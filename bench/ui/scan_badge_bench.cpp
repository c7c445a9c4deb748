#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include "document/vostrel_document.h"
#include "engine/qr_preview_controller.h"
#include "ui/editor/preview/preview_view.h"
#include "ui/editor/preview/warning_badges.h"

// Edit to scan badge: from an edit of the content and the colours to the preview's badge showing
// how the new design reads, through the real preview pane, controllers and event loop: the
// content debounce (50 ms), the symbol, the settle interval (100 ms) and the check of the 1024 px
// picture off the main thread. Every edit swaps the colours, so the badge alternates between
// "Reads on 2 of 2 scanners" and "Won't scan". Budget: 300 ms at version 10.

namespace {

using namespace vostrel;

struct BadgeFixture {
    VostrelDocument document;
    QUndoStack undo;
    QRPreviewController controller;
    PreviewView view{&document, &controller, &undo};
    int edits = 0;

    BadgeFixture() {
        ExportSettings settings = document.exportSettings();
        settings.pngSize = 1024;
        document.setExportSettings(settings);
        view.resize(680, 760);
        view.show();
        edit();
        waitForBadge();
    }

    // 200 bytes at level M make a version 10 symbol.
    void edit() {
        ++edits;
        document.setContent(QRContent::text(QString(200, QChar(u'a' + edits % 26))));
        QRStyle style = document.style();
        std::swap(style.foreground, style.background);
        document.setStyle(style);
    }

    QString expectedBadge() const {
        return edits % 2 == 0 ? QStringLiteral("Reads on 2 of 2 scanners")
                              : QStringLiteral("Won't scan");
    }

    void waitForBadge() const {
        while (!view.badges()->labels().contains(expectedBadge()))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};

void editToScanBadge_version10_1024px(benchmark::State& state) {
    BadgeFixture preview;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        preview.edit();
        preview.waitForBadge();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

}  // namespace

BENCHMARK(editToScanBadge_version10_1024px)->UseManualTime()->Unit(benchmark::kMillisecond);
