#include "document/document_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

#include "common/atomic_write.h"

namespace vostrel {
namespace {

Unexpected<DocumentError> failure(DocumentError::Kind kind, const QString& message) {
    return unexpected(DocumentError{kind, message});
}

// JSON has no infinity or NaN; QJsonDocument would quietly write null instead, which the file
// could never be read back from.
std::optional<QString> firstNonFiniteNumber(const QJsonValue& value, const QString& path) {
    if (value.isDouble())
        return std::isfinite(value.toDouble()) ? std::nullopt : std::optional(path);
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString childPath = path.isEmpty() ? it.key() : path + u'.' + it.key();
            if (auto found = firstNonFiniteNumber(it.value(), childPath)) return found;
        }
    }
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (auto found = firstNonFiniteNumber(array[i], path + QStringLiteral("[%1]").arg(i)))
                return found;
        }
    }
    return std::nullopt;
}

}  // namespace

SnapshotResult decodeDocument(QByteArray bytes) {
    if (bytes.size() > maximumDocumentBytes)
        return failure(DocumentError::Kind::decodingFailed, QStringLiteral("file too large"));
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    bytes = QByteArray();  // the tree holds it all now; a large file need not be held twice
    if (parseError.error != QJsonParseError::NoError) {
        return failure(DocumentError::Kind::decodingFailed,
                       QStringLiteral("not valid JSON (%1 at byte %2)")
                           .arg(parseError.errorString())
                           .arg(parseError.offset));
    }
    JsonReader reader(json.isObject() ? QJsonValue(json.object()) : QJsonValue());
    DocumentSnapshot snapshot = DocumentSnapshot::fromJson(reader);
    if (!reader.ok()) return failure(DocumentError::Kind::decodingFailed, reader.error().message());
    return snapshot;
}

Expected<QByteArray, DocumentError> encodeDocument(const DocumentSnapshot& snapshot) {
    const QJsonObject json = snapshot.toJson();
    if (const auto path = firstNonFiniteNumber(json, {})) {
        return failure(DocumentError::Kind::encodingFailed,
                       QStringLiteral("%1: not a finite number").arg(*path));
    }
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

SnapshotResult readDocumentFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failure(DocumentError::Kind::corruptFile, QStringLiteral("not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(DocumentError::Kind::unreadable, file.errorString());
    if (file.size() > maximumDocumentBytes)
        return failure(DocumentError::Kind::decodingFailed, QStringLiteral("file too large"));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(DocumentError::Kind::unreadable, file.errorString());
    return decodeDocument(std::move(bytes));
}

Expected<void, DocumentError> writeDocumentFile(const DocumentSnapshot& snapshot,
                                                const QString& path) {
    const auto bytes = encodeDocument(snapshot);
    if (!bytes) return unexpected(bytes.error());
    const auto written = writeFileAtomically(path, *bytes);
    if (!written) return failure(DocumentError::Kind::writeFailed, written.error());
    return {};
}

}  // namespace vostrel
