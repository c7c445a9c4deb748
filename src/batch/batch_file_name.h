#pragma once

#include <QString>

#include "content/qr_content.h"

namespace vostrel {

// The sequential base name of the item at zero-based `index`: index + 1 padded with zeros to the
// digit count of `total` (9 items: 1…9; 150 items: 001…150). Skipped items keep their number, so
// they leave gaps.
QString sequentialFileBaseName(qsizetype index, qsizetype total);

// The content-based base name of the item at zero-based `index`: a source text picked by kind
// (host and path of a web address, the first 40 characters of a text, first and last name of a
// contact, …), lower-cased, every run of characters outside a–z and 0–9 (accented letters and
// other scripts included) turned into one "-", without "-" at the ends, cut to 60 characters.
// "qr-" and index + 1 when nothing is left.
QString batchFileBaseName(const QRContent& item, qsizetype index);

// The first of "base.ext", "base-2.ext", "base-3.ext", … under which nothing exists in `folder`:
// no file, folder or symbolic link (even a dangling one, which a write would follow out of the
// folder). Earlier runs and earlier files of this run are never overwritten.
QString freeFileName(const QString& folder, const QString& baseName, const QString& extension);

}  // namespace vostrel
