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

QString baseName(const BatchJob& job, qsizetype index) {
    if (job.config.namingScheme == NamingScheme::sequential)
        return sequentialFileBaseName(index, job.items.size());
    return batchFileBaseName(job.items[index], index);
}

std::optional<QByteArray> fileBytes(const BatchJob& job, const ModuleMatrix& matrix) {
    if (job.config.format == ExportFormat::svg) return svgDocument(matrix, job.style).toUtf8();
    return pngData(matrix, job.style, job.config.pngSize);
}

// PNG files need no temporary file: the name was free a moment ago, so there is nothing to keep
// safe from a partial write.
Expected<void, BatchError> writePlainly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return unexpected(writeError(path, file.errorString()));
    file.close();
    if (file.error() != QFileDevice::NoError)
        return unexpected(writeError(path, file.errorString()));
    return {};
}

Expected<void, BatchError> writeFile(const BatchJob& job, const QString& path,
                                     const QByteArray& bytes) {
    if (job.config.format == ExportFormat::png) return writePlainly(path, bytes);
    if (auto written = writeFileAtomically(path, bytes); !written)
        return unexpected(writeError(path, written.error()));
    return {};
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

BatchItemOutcome writeBatchItem(const BatchJob& job, qsizetype index) {
    const QString payload = job.items[index].payload();
    if (payload.isEmpty()) return skipped();
    const MatrixResult matrix = QREngine::makeMatrix(payload, job.level);
    if (!matrix) return skipped();
    const std::optional<QByteArray> bytes = fileBytes(job, *matrix);
    if (!bytes) return skipped();
    const QString extension = rawValue(job.config.format);
    const QString name = freeFileName(job.folder, baseName(job, index), extension);
    if (auto written = writeFile(job, job.folder + u'/' + name, *bytes); !written)
        return unexpected(written.error());
    return std::optional<QString>(name);
}

}  // namespace vostrel
