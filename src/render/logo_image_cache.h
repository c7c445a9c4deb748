#pragma once

#include <QByteArray>
#include <QImage>

namespace vostrel {

// The decoded logo picture for `imageData`, from a process-wide cache of the 8 most recently used
// pictures keyed by their bytes (equal bytes share an entry), so that redrawing the preview on
// every edit does not decode the PNG again. Bytes that do not decode are remembered too: a null
// image, decoded once. Safe to call from any thread.
QImage cachedLogoImage(const QByteArray& imageData);

// How many pictures the cache holds at most.
inline constexpr int logoImageCacheCapacity = 8;

// Chosen logos are stored at most maximumLogoEdge square; a file may hold anything, so a picture
// whose header claims more pixels than this (64 MB decoded) counts as undecodable, before any
// memory is spent on it.
inline constexpr qint64 maximumLogoPixels = 4096 * 4096;

}  // namespace vostrel
