#include "batch/batch_engine.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QThread>

#include "batch/batch_run.h"
#include "export/export_settings.h"

namespace vostrel {

// One thread per core: items are made side by side, their files written in order.
BatchEngine::BatchEngine(QObject* parent) : QObject(parent) {
    executor_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

BatchEngine::~BatchEngine() {
    // The runs (the engine's only children) go first, cancelling their futures, so that none
    // of them sees another task finish; then the items being made and written are waited for.
    const QObjectList runs = children();
    qDeleteAll(runs);
    executor_.waitForDone();
}

QFuture<BatchOutcome> BatchEngine::generateBatch(QList<QRContent> items, const QRStyle& style,
                                                 CorrectionLevel level, const BatchConfig& config,
                                                 ProgressCallback progress) {
    return generateBatch(listItemSource(std::move(items)), style, level, config,
                         std::move(progress));
}

QFuture<BatchOutcome> BatchEngine::generateBatch(std::unique_ptr<BatchItemSource> items,
                                                 const QRStyle& style, CorrectionLevel level,
                                                 const BatchConfig& config,
                                                 ProgressCallback progress) {
    ExportSettings settings;
    settings.correctionLevel = level;
    BatchJob job{items->count(), style, effectiveCorrectionLevel(style, settings), config,
                 config.destinationURL.toLocalFile()};
    auto* run =
        new BatchRun(std::move(job), std::move(items), executor_, std::move(progress), this);
    return run->start();
}

void waitForBatch(const QFuture<BatchOutcome>& future) {
    QEventLoop loop;
    QFutureWatcher<BatchOutcome> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished()) loop.exec();
}

}  // namespace vostrel
