#include "render/rounded_corners.h"

#include <QPainter>
#include <QPainterPath>

namespace vostrel {

void cutRoundedCorners(QImage& picture, qreal radius) {
    if (radius <= 0 || picture.isNull()) return;
    if (!picture.hasAlphaChannel()) picture.convertTo(QImage::Format_ARGB32_Premultiplied);
    const QRectF whole(QPointF(0, 0), QSizeF(picture.size()));
    QPainterPath rounded, outside;
    rounded.addRoundedRect(whole, radius, radius);
    outside.addRect(whole);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.fillPath(outside.subtracted(rounded), Qt::black);
}

}  // namespace vostrel
