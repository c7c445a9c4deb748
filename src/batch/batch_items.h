#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "batch/batch_content_type.h"
#include "batch/batch_error.h"
#include "common/expected.h"
#include "content/qr_content.h"

namespace vostrel {

// The largest batch input file read: about five million web addresses.
constexpr qsizetype maximumBatchInputBytes = qsizetype(256) << 20;

// The text of a batch input file, which must be a regular file (a device or a pipe could be read
// without end): strict UTF-8 (a file that is not is unreadable, rather than
// read with replacement characters that would end up inside QR codes), without a leading
// byte-order mark, which would otherwise stick to the first line or CSV header.
Expected<QString, BatchError> readBatchInputText(const QString& path);

// The item lines of typed or loaded text: every line that is not empty once spaces and tabs are
// trimmed from its ends, trimmed. Their number is the item count shown before a run.
QStringList batchItemLines(QStringView text);

// The contents a run is given. url and text: one per item line. contact: the text is read as
// CSV, its columns mapped from the headers and rows without name or e-mail dropped (not counted
// as skipped).
QList<QRContent> batchItems(BatchContentType kind, QStringView text);

}  // namespace vostrel
