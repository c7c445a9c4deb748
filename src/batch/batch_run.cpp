#include "batch/batch_run.h"

#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

namespace vostrel {

BatchRun::BatchRun(BatchJob job, std::unique_ptr<BatchItemSource> items, QThreadPool& executor,
                   BatchEngine::ProgressCallback progress, QObject* parent)
    : QObject(parent),
      job_(std::make_shared<const BatchJob>(std::move(job))),
      items_(std::move(items)),
      executor_(executor),
      progress_(std::move(progress)) {
    connect(&folderWatcher_, &QFutureWatcherBase::finished, this, &BatchRun::folderMade);
    connect(&itemWatcher_, &QFutureWatcherBase::finished, this, &BatchRun::itemFinished);
}

QFuture<BatchOutcome> BatchRun::start() {
    promise_.start();
    // The tasks hold the job, never the run, so a run deleted with its engine leaves them safe.
    folderWatcher_.setFuture(
        QtConcurrent::run(&executor_, [job = job_] { return makeDestinationFolder(job->folder); }));
    return promise_.future();
}

void BatchRun::folderMade() {
    const Expected<void, BatchError> made = folderWatcher_.result();
    if (!made) return finish(unexpected(made.error()));
    startItem();
}

void BatchRun::startItem() {
    if (promise_.isCanceled()) {
        promise_.finish();
        deleteLater();
        return;
    }
    std::optional<QRContent> item = items_->next();
    if (!item) {
        return finish(BatchResult{fileNames_.size(), skippedCount_, fileNames_,
                                  job_->config.destinationURL, unreadableNames_});
    }
    itemWatcher_.setFuture(
        QtConcurrent::run(&executor_, [job = job_, item = std::move(*item), index = position_] {
            return writeBatchItem(*job, item, index);
        }));
}

void BatchRun::itemFinished() {
    const BatchItemOutcome outcome = itemWatcher_.result();
    if (!outcome) return finish(unexpected(outcome.error()));
    ++position_;
    switch (outcome->kind) {
        case BatchItemResult::Kind::skipped:
            ++skippedCount_;
            break;
        case BatchItemResult::Kind::unreadable:
            unreadableNames_.append(outcome->fileName);
            break;
        case BatchItemResult::Kind::written:
            fileNames_.append(outcome->fileName);
            if (!report()) return;
            break;
    }
    startItem();
}

bool BatchRun::report() {
    if (!progress_) return true;
    // The callback may well delete the engine, and this run with it (a sheet closing on
    // cancel), so it is called through a copy and the run checks that it still exists.
    const BatchEngine::ProgressCallback progress = progress_;
    const QPointer<BatchRun> alive(this);
    progress(BatchProgress{fileNames_.size(), job_->itemCount, fileNames_.last(), fileNames_,
                           skippedCount_});
    return !alive.isNull();
}

void BatchRun::finish(BatchOutcome outcome) {
    promise_.addResult(std::move(outcome));
    promise_.finish();
    deleteLater();
}

}  // namespace vostrel
