#pragma once

#include <QByteArray>
#include <QString>

#include "common/expected.h"

namespace vostrel {

// Replaces the file at `path` with `bytes` in one step: the bytes go to a temporary file beside it
// that only takes the target's name once completely written, so a failed write leaves whatever
// was there before. A target that exists but is not a regular file (a folder, a device such as
// /dev/full) is refused rather than replaced. The error is a readable reason.
Expected<void, QString> writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace vostrel
