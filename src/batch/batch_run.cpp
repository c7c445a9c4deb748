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
    connect(&writeWatcher_, &QFutureWatcherBase::finished, this, &BatchRun::itemWritten);
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
    advance();
}

// One item per thread is being made at a time, so memory holds at most that many pictures.
void BatchRun::startItems() {
    while (!itemsEnded_ && qsizetype(making_.size()) < executor_.maxThreadCount()) {
        std::optional<QRContent> item = items_->next();
        if (!item) {
            itemsEnded_ = true;
            return;
        }
        auto* bytes = new QFutureWatcher<BatchItemFile>(this);
        connect(bytes, &QFutureWatcherBase::finished, this, &BatchRun::advance);
        bytes->setFuture(QtConcurrent::run(
            &executor_, [job = job_, item = *item] { return batchItemBytes(*job, item); }));
        making_.push_back({std::move(*item), started_++, bytes});
    }
}

void BatchRun::advance() {
    if (ended_ || writing_) return;
    if (promise_.isCanceled()) return finish(std::nullopt);
    startItems();
    while (!making_.empty() && making_.front().bytes->isFinished()) {
        Making oldest = std::move(making_.front());
        making_.pop_front();
        const BatchItemFile file = oldest.bytes->result();
        delete oldest.bytes;
        startItems();
        if (file.unreadable) {
            unreadableNames_.append(batchItemFileName(*job_, oldest.item, oldest.index));
            continue;
        }
        if (!file.bytes) {
            ++skippedCount_;
            continue;
        }
        writing_ = true;
        writeWatcher_.setFuture(QtConcurrent::run(
            &executor_,
            [job = job_, item = std::move(oldest.item), index = oldest.index, bytes = *file.bytes] {
                return writeBatchItem(*job, item, index, bytes);
            }));
        return;
    }
    if (making_.empty() && itemsEnded_) {
        finish(BatchResult{fileNames_.size(), skippedCount_, fileNames_,
                           job_->config.destinationURL, unreadableNames_});
    }
}

void BatchRun::itemWritten() {
    writing_ = false;
    const BatchWriteOutcome written = writeWatcher_.result();
    if (!written) return finish(unexpected(written.error()));
    fileNames_.append(*written);
    if (!report()) return;
    advance();
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

// Nothing as the outcome ends a cancelled run: its future holds no result. Items still being
// made finish on the executor and are dropped.
void BatchRun::finish(std::optional<BatchOutcome> outcome) {
    ended_ = true;
    if (outcome) promise_.addResult(std::move(*outcome));
    promise_.finish();
    deleteLater();
}

}  // namespace vostrel
