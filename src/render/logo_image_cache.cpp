#include "render/logo_image_cache.h"

#include <QBuffer>
#include <QCache>
#include <QImageReader>
#include <QMutex>

#include "render/png_chunks.h"

namespace vostrel {

namespace {

struct LogoImageCache {
    QMutex mutex;
    QCache<QByteArray, QImage> images{logoImageCacheCapacity};
};

LogoImageCache& logoImageCache() {
    static LogoImageCache cache;
    return cache;
}

// Stored premultiplied, the format QPainter draws fastest; null for anything but a picture of a
// sensible size.
QImage decodedLogo(const QByteArray& imageData) {
    if (!hasIntactPngChunks(imageData)) return {};
    QBuffer buffer;
    buffer.setData(imageData);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > maximumLogoPixels) return {};
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QImage cachedLogoImage(const QByteArray& imageData) {
    LogoImageCache& cache = logoImageCache();
    {
        const QMutexLocker lock(&cache.mutex);
        if (const QImage* image = cache.images.object(imageData)) return *image;
    }
    // Decoded outside the lock: another thread may decode the same bytes meanwhile, which only
    // costs time.
    const QImage image = decodedLogo(imageData);
    const QMutexLocker lock(&cache.mutex);
    cache.images.insert(imageData, new QImage(image));
    return image;
}

}  // namespace vostrel
