#include "ui/welcome/quip_rotation.h"

namespace vostrel {

QuipRotation::QuipRotation(QObject* parent) : QObject(parent) {
    timer_.setInterval(defaultInterval);
    connect(&timer_, &QTimer::timeout, this, &QuipRotation::tick);
}

void QuipRotation::start() {
    timer_.start();
}

void QuipRotation::stop() {
    timer_.stop();
}

void QuipRotation::tick() {
    index_ = (index_ + 1) % count;
    Q_EMIT indexChanged(index_);
    if (index_ == hopIndex) Q_EMIT hopRequested();
}

}  // namespace vostrel
