#include "batch/batch_item_writer.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentRun>
#include <filesystem>
#include <system_error>

#include "batch/batch_file_name.h"
#include "common/atomic_write.h"
#include "engine/qr_engine.h"
#include "engine/scan_check.h"
#include "export/png_writer.h"
#include "export/svg_document.h"
#include "render/qr_module_renderer.h"

namespace vostrel {
namespace {

BatchItemOutcome skipped() {
    return BatchItemResult{};
}

BatchError writeError(const QString& path, const QString& reason) {
    return BatchError{BatchError::Kind::writeFailed, path, reason};
}

QString baseName(const BatchJob& job, const QRContent& item, qsizetype index) {
    if (job.config.namingScheme == NamingScheme::sequential)
        return sequentialFileBaseName(index, job.itemCount);
    return batchFileBaseName(item, index);
}

// The PNG picture, drawn once for both the check and the file.
QImage pictureFor(const BatchJob& job, const ModuleMatrix& matrix) {
    const bool needed = job.config.format == ExportFormat::png || job.config.verifyReading;
    return needed ? symbolPicture(matrix, job.style, job.config.pngSize) : QImage();
}

bool readsBack(const BatchJob& job, const QImage& picture, const ModuleMatrix& matrix,
               const QString& payload) {
    const auto scan = checkScanOfPicture(picture, matrix, job.style, payload.toUtf8());
    return scan && scan->passed();
}

std::optional<QByteArray> fileBytes(const BatchJob& job, const ModuleMatrix& matrix,
                                    const QImage& picture) {
    if (job.config.format == ExportFormat::svg) return svgDocument(matrix, job.style).toUtf8();
    return encodePng(picture);
}

}  // namespace

Expected<void, BatchError> makeDestinationFolder(const QString& folder) {
    const auto failure = [&](const QString& reason) {
        return unexpected(BatchError{BatchError::Kind::folderCreationFailed, folder, reason});
    };
    if (folder.isEmpty()) return failure(QStringLiteral("not a local folder"));
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error) return failure(QString::fromStdString(error.message()));
    return {};
}

BatchItemOutcome writeBatchItem(const BatchJob& job, const QRContent& item, qsizetype index) {
    const QString payload = item.payload();
    if (payload.isEmpty()) return skipped();
    const MatrixResult matrix = QREngine::makeMatrix(payload, job.level);
    if (!matrix) return skipped();
    const QImage picture = pictureFor(job, *matrix);
    const QString base = baseName(job, item, index);
    const QString extension = rawValue(job.config.format);
    const auto candidate = [&](int attempt) { return numberedFileName(base, extension, attempt); };
    // The file is encoded while the picture is read back; only a code that reads is written.
    QFuture<bool> reads;
    if (job.config.verifyReading)
        reads = QtConcurrent::run([&] { return readsBack(job, picture, *matrix, payload); });
    const std::optional<QByteArray> bytes = fileBytes(job, *matrix, picture);
    if (job.config.verifyReading && !reads.result())
        return BatchItemResult{BatchItemResult::Kind::unreadable, candidate(1)};
    if (!bytes) return skipped();
    auto written = writeNewFile(job.folder, candidate, *bytes);
    if (!written) return unexpected(writeError(job.folder + u'/' + candidate(1), written.error()));
    return BatchItemResult{BatchItemResult::Kind::written, std::move(*written)};
}

}  // namespace vostrel
