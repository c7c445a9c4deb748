#include "render/logo_image_cache.h"

#include <QCache>
#include <QMutex>

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

}  // namespace

QImage cachedLogoImage(const QByteArray& imageData) {
    LogoImageCache& cache = logoImageCache();
    {
        const QMutexLocker lock(&cache.mutex);
        if (const QImage* image = cache.images.object(imageData)) return *image;
    }
    // Decoded outside the lock: another thread may decode the same bytes meanwhile, which only
    // costs time. Stored premultiplied, the format QPainter draws fastest.
    const QImage image =
        QImage::fromData(imageData).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    const QMutexLocker lock(&cache.mutex);
    cache.images.insert(imageData, new QImage(image));
    return image;
}

}  // namespace vostrel
