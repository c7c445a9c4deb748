#include "batch/batch_engine.h"

#include <QEventLoop>
#include <QFutureWatcher>

#include "batch/batch_run.h"
#include "export/export_settings.h"

namespace vostrel {

BatchEngine::BatchEngine(QObject* parent) : QObject(parent) {
    executor_.setMaxThreadCount(1);
}

BatchEngine::~BatchEngine() {
    // Runs go before the executor: none of them may see another finished task.
    qDeleteAll(findChildren<BatchRun*>(Qt::FindDirectChildrenOnly));
    executor_.waitForDone();
}

QFuture<BatchOutcome> BatchEngine::generateBatch(QList<QRContent> items, const QRStyle& style,
                                                 CorrectionLevel level, const BatchConfig& config,
                                                 ProgressCallback progress) {
    ExportSettings settings;
    settings.correctionLevel = level;
    BatchJob job{std::move(items), style, effectiveCorrectionLevel(style, settings), config,
                 config.destinationURL.toLocalFile()};
    auto* run = new BatchRun(std::move(job), executor_, std::move(progress), this);
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
