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

// The name an item's file tries on its nth `attempt` (1, 2, …): "base.ext", then "base-2.ext",
// "base-3.ext", …, until one is free in the folder.
QString numberedFileName(const QString& baseName, const QString& extension, int attempt);

}  // namespace vostrel
