#include "ui/widgets/spinner.h"

#include <QPainter>
#include <QPixmap>

namespace vostrel {

namespace {

constexpr int stepDegrees = 30;
constexpr int stepMilliseconds = 80;

}  // namespace

Spinner::Spinner(int edge, QObject* parent) : QObject(parent), edge_(edge) {
    timer_.setInterval(stepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + stepDegrees) % 360;
        Q_EMIT turned();
    });
}

QIcon Spinner::icon(const QColor& color, qreal devicePixelRatio) const {
    QPixmap pixmap(QSize(edge_, edge_) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = std::max(1.5, edge_ / 8.0);
    painter.setPen(QPen(color, pen, Qt::SolidLine, Qt::RoundCap));
    const QRectF ring = QRectF(0, 0, edge_, edge_).adjusted(pen, pen, -pen, -pen);
    // QPainter counts sixteenths of a degree, anticlockwise; the ring turns clockwise.
    painter.drawArc(ring, -angle_ * 16, 270 * 16);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace vostrel
