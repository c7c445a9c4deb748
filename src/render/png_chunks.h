#pragma once

#include <QByteArray>

namespace vostrel {

// Whether PNG bytes are whole at the level of their chunks: the signature, then chunks that each
// fit in the data, have a four-letter type and a matching CRC, from IHDR to IEND. libpng reports
// a broken chunk by printing to standard error before Qt can refuse the picture, so logos are
// checked here first. Bytes that are not PNG at all pass, for their own reader to judge.
bool hasIntactPngChunks(const QByteArray& bytes);

}  // namespace vostrel
