#include "batch/batch_item_writer.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "batch/batch_file_name.h"
#include "common/atomic_write.h"
#include "engine/qr_engine.h"
#include "engine/scan_check.h"
#include "export/png_data.h"
#include "export/png_writer.h"
#include "export/svg_document.h"

namespace vostrel {
namespace {

BatchError writeError(const QString& path, const QString& reason) {
    return BatchError{BatchError::Kind::writeFailed, path, reason};
}

QString baseName(const BatchJob& job, const QRContent& item, qsizetype index) {
    if (job.config.namingScheme == NamingScheme::sequential)
        return sequentialFileBaseName(index, job.itemCount);
    return batchFileBaseName(item, index);
}

bool readsBack(const QImage& picture, const ModuleMatrix& matrix, const BatchJob& job,
               const QString& payload) {
    if (picture.isNull()) return false;
    const auto scan = checkScanOfPicture(picture, matrix, job.style, payload.toUtf8());
    return scan && scan->passed();
}

// The file's bytes, or nothing when they cannot be made; with verifyReading, unreadable when the
// code does not read back from its PNG picture (an SVG's too), which is drawn once for both.
BatchItemFile itemFile(const BatchJob& job, const ModuleMatrix& matrix, const QString& payload) {
    const bool svg = job.config.format == ExportFormat::svg;
    QImage picture;
    if (job.config.verifyReading || !svg)
        picture = pngPicture(matrix, job.style, job.config.pngSize);
    if (job.config.verifyReading && !readsBack(picture, matrix, job, payload))
        return {std::nullopt, true};
    if (svg) return {svgDocument(matrix, job.style).toUtf8(), false};
    if (picture.isNull()) return {};
    return {encodePng(picture), false};
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

BatchItemFile batchItemBytes(const BatchJob& job, const QRContent& item) {
    const QString payload = item.payload();
    if (payload.isEmpty()) return {};
    const MatrixResult matrix = QREngine::makeMatrix(payload, job.level);
    if (!matrix) return {};
    return itemFile(job, *matrix, payload);
}

QString batchItemFileName(const BatchJob& job, const QRContent& item, qsizetype index) {
    return numberedFileName(baseName(job, item, index), rawValue(job.config.format), 1);
}

BatchWriteOutcome writeBatchItem(const BatchJob& job, const QRContent& item, qsizetype index,
                                 const QByteArray& bytes) {
    const QString base = baseName(job, item, index);
    const QString extension = rawValue(job.config.format);
    const auto candidate = [&](int attempt) { return numberedFileName(base, extension, attempt); };
    auto written = writeNewFile(job.folder, candidate, bytes);
    if (!written) return unexpected(writeError(job.folder + u'/' + candidate(1), written.error()));
    return std::move(*written);
}

}  // namespace vostrel
