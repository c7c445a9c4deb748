#pragma once

#include <QImage>

namespace vostrel {

// Makes the picture transparent outside the rounded rectangle of its own size whose corners
// have `radius` pixels (antialiased); a radius of 0 or less leaves it as it is. A picture
// without alpha is given some first.
void cutRoundedCorners(QImage& picture, qreal radius);

}  // namespace vostrel
