#pragma once

#include <QSize>

namespace vostrel::testing {

// The pixel size of the PNG on the clipboard under "image/png", read from its header, since Qt
// refuses to decode the largest exports in one go; an invalid size when there is none.
QSize clipboardPngSize();

}  // namespace vostrel::testing
