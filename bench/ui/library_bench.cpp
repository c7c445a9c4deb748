#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "document/document_file.h"
#include "document/library_view_model.h"
#include "ui/library/library_grid.h"
#include "ui/library/library_view.h"

// The library window's load of a folder of 1,000 documents: listing, reading, symbols and
// thumbnails until the grid on screen shows the new list, in wall-clock time, with the longest
// time the main thread's event loop went without running (what the user would feel as a stall,
// publishing and laying out the grid included).

namespace {

using namespace vostrel;

DocumentSnapshot sampleDocument(int index) {
    DocumentSnapshot snapshot = DocumentSnapshot::newDocument();
    switch (index % 3) {
        case 0:
            snapshot.content = QRContent::url(
                {QStringLiteral("https://example.com/products/%1?ref=lib").arg(index)});
            break;
        case 1:
            snapshot.content = QRContent::text(
                QStringLiteral("Shelf %1: three boxes of tea, a kettle and the good cups")
                    .arg(index));
            break;
        default:
            snapshot.content = QRContent::wifi(
                {QStringLiteral("Guests %1").arg(index),
                 QStringLiteral("correct horse battery %1").arg(index), WiFiAuthType::wpa, false});
    }
    constexpr ModuleShape shapes[] = {ModuleShape::square, ModuleShape::dot, ModuleShape::squircle};
    snapshot.style.moduleShape = shapes[index % 3];
    if (index % 4 == 0)
        snapshot.style.gradient = GradientStyle{CodableColor{0.2, 0.3, 0.8, 1.0}, {}};
    return snapshot;
}

void writeLibraryFolder(const QString& folder, int count) {
    for (int i = 0; i < count; ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("document-%1.vostrel").arg(i));
        if (!writeDocumentFile(sampleDocument(i), path))
            qFatal("cannot write %s", qPrintable(path));
    }
}

// Runs the event loop until the model has published and the grid has been painted with it,
// noting the longest gap between two turns of a 1 ms timer.
qint64 loadWatchingTheEventLoop(LibraryView& view) {
    LibraryViewModel& model = *view.model();
    QEventLoop loop;
    QObject::connect(&model, &LibraryViewModel::loadingChanged, &loop, [&] {
        if (model.isLoading()) return;
        view.grid()->viewport()->repaint();
        loop.quit();
    });
    QElapsedTimer sinceLastTurn;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceLastTurn.restart()); });
    ticker.start();
    sinceLastTurn.start();
    model.loadDocuments();
    loop.exec();
    return std::max(longestGap, sinceLastTurn.elapsed());
}

void library_load_1000_documents(benchmark::State& state) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VostrelBench"));
    QTemporaryDir folder;
    writeLibraryFolder(folder.path(), 1000);
    // Remembered as by an earlier run, so that the model starts with the folder but no load.
    QSettings().setValue(QLatin1String(LibraryViewModel::folderSettingKey), folder.path());
    LibraryView view(new LibraryViewModel);
    view.resize(900, 640);
    view.show();
    // Showing the window starts a load; the timed ones start from its list.
    loadWatchingTheEventLoop(view);
    qint64 longestStall = 0;
    for (auto _ : state) {
        longestStall = std::max(longestStall, loadWatchingTheEventLoop(view));
        if (view.model()->documents().size() != 1000)
            state.SkipWithError("not every document was listed");
    }
    state.counters["longest main-thread stall ms"] = double(longestStall);
}
BENCHMARK(library_load_1000_documents)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
