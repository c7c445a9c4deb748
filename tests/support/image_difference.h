#pragma once

#include <QImage>

namespace vostrel::testing {

// How far two pictures are apart, per channel of premultiplied ARGB in levels of 255.
struct ImageDifference {
    int maximum = 0;
    double mean = 0.0;
};

// Pictures of different sizes differ by 255 everywhere.
ImageDifference imageDifference(const QImage& first, const QImage& second);

}  // namespace vostrel::testing
