#pragma once

#include <QByteArray>
#include <QString>

#include "common/expected.h"
#include "document/document_snapshot.h"

namespace vostrel {

struct DocumentError {
    enum class Kind {
        corruptFile,     // the path is not a regular file (a directory, a device, …)
        unreadable,      // the file could not be opened or read
        decodingFailed,  // not JSON, or not a document
        encodingFailed,  // the document holds a number that JSON cannot carry
        writeFailed,     // the file could not be written; what was there before is untouched
    };
    Kind kind;
    QString message;  // says what failed, e.g. "style.foreground: missing"
};

// Far above any real document (logos are stored at most 512 px square), low enough that a
// mistaken pick of a huge file cannot exhaust memory.
inline constexpr qint64 maximumDocumentBytes = 64 * 1024 * 1024;

using SnapshotResult = Expected<DocumentSnapshot, DocumentError>;

// Documents are UTF-8 JSON, pretty-printed with every object's keys sorted; points in time as
// seconds since 2001, binary data as base64.
// Taken by value so that a moved-in file is released once parsed.
SnapshotResult decodeDocument(QByteArray bytes);
Expected<QByteArray, DocumentError> encodeDocument(const DocumentSnapshot& snapshot);

SnapshotResult readDocumentFile(const QString& path);

// Atomic: the new contents replace the file only once they are completely written.
Expected<void, DocumentError> writeDocumentFile(const DocumentSnapshot& snapshot,
                                                const QString& path);

}  // namespace vostrel
