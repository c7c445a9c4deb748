#pragma once

#include <QFont>

namespace vostrel {

// The caption size relative to the body text, used by every caption, chip and badge.
inline constexpr qreal captionScale = 0.85;

// `base` at `factor` times its point size, keeping its weight unless one is given.
QFont scaledFont(const QFont& base, qreal factor);
QFont scaledFont(const QFont& base, qreal factor, QFont::Weight weight);

}  // namespace vostrel
