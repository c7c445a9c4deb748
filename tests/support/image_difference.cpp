#include "support/image_difference.h"

#include <cstdlib>

namespace vostrel::testing {

ImageDifference imageDifference(const QImage& first, const QImage& second) {
    if (first.size() != second.size() || first.isNull()) return {255, 255.0};
    const QImage a = first.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ImageDifference difference;
    double total = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        for (int i = 0; i < a.width() * 4; ++i) {
            const int channel = std::abs(int(rowA[i]) - int(rowB[i]));
            difference.maximum = std::max(difference.maximum, channel);
            total += channel;
        }
    }
    difference.mean = total / (double(a.width()) * a.height() * 4.0);
    return difference;
}

}  // namespace vostrel::testing
