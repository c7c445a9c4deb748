#pragma once

#include <QByteArray>
#include <QImage>

namespace vostrel {

// The decoded logo picture for `imageData`, from a process-wide cache of the 8 most recently used
// pictures keyed by their bytes (equal bytes share an entry), so that redrawing the preview on
// every edit does not decode the PNG again. A null image when the bytes are no picture Qt can read.
// Safe to call from any thread.
QImage cachedLogoImage(const QByteArray& imageData);

// How many pictures the cache holds at most.
inline constexpr int logoImageCacheCapacity = 8;

}  // namespace vostrel
