#pragma once

#include <QFont>

namespace vostrel {

// The caption size relative to the body text, used by every caption, chip and badge.
inline constexpr qreal captionScale = 0.85;

// `base` at `factor` times its point size, keeping its weight unless one is given.
QFont scaledFont(const QFont& base, qreal factor);
QFont scaledFont(const QFont& base, qreal factor, QFont::Weight weight);

// The title of a sheet: a quarter larger than `base`, semibold.
QFont headlineFont(const QFont& base);

// The system's fixed-pitch font at `factor` times the size of `base`, for paths, file names and
// typed lists whose columns should line up.
QFont monospacedFont(const QFont& base, qreal factor = 1.0);

}  // namespace vostrel
