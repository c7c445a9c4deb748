#pragma once

#include <QString>

namespace vostrel {

// The first `count` user-perceived characters (grapheme clusters) of `text`: an emoji or a letter
// with combining marks is never cut in half. The whole text when it is shorter.
QString firstGraphemes(const QString& text, qsizetype count);

}  // namespace vostrel
