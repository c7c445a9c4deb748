#include "batch/batch_item_writer.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "batch/batch_file_name.h"
#include "common/atomic_write.h"
#include "engine/qr_engine.h"
#include "export/png_data.h"
#include "export/svg_document.h"

namespace vostrel {
namespace {

BatchItemOutcome skipped() {
    return std::optional<QString>();
}

BatchError writeError(const QString& path, const QString& reason) {
    return BatchError{BatchError::Kind::writeFailed, path, reason};
}

QString baseName(const BatchJob& job, const QRContent& item, qsizetype index) {
    if (job.config.namingScheme == NamingScheme::sequential)
        return sequentialFileBaseName(index, job.itemCount);
    return batchFileBaseName(item, index);
}

std::optional<QByteArray> fileBytes(const BatchJob& job, const ModuleMatrix& matrix) {
    if (job.config.format == ExportFormat::svg) return svgDocument(matrix, job.style).toUtf8();
    return pngData(matrix, job.style, job.config.pngSize);
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
    const std::optional<QByteArray> bytes = fileBytes(job, *matrix);
    if (!bytes) return skipped();
    const QString base = baseName(job, item, index);
    const QString extension = rawValue(job.config.format);
    const auto candidate = [&](int attempt) { return numberedFileName(base, extension, attempt); };
    auto written = writeNewFile(job.folder, candidate, *bytes);
    if (!written) return unexpected(writeError(job.folder + u'/' + candidate(1), written.error()));
    return std::optional<QString>(std::move(*written));
}

}  // namespace vostrel
