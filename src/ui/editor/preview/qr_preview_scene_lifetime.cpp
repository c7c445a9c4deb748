#include "ui/editor/preview/qr_preview_scene_lifetime.h"

namespace vostrel {

QRPreviewSceneLifetime::QRPreviewSceneLifetime(TaskClock& clock, QObject* parent)
    : QObject(parent), clock_(clock) {}

void QRPreviewSceneLifetime::install(std::unique_ptr<Entity> scene) {
    removeScene();
    while (scene && !scene->children().empty())
        root_.addChild(scene->children().front()->removeFromParent());
    setDrained(root_.children().empty());
    Q_EMIT sceneChanged();
    scheduleIdleDrain();
}

// The task belongs to this object, so it cannot outlive it.
void QRPreviewSceneLifetime::scheduleIdleDrain() {
    idleDrain_.cancel();
    if (drained_) return;
    idleDrain_ = clock_.schedule(idleDelay, [this] { drain(); });
}

void QRPreviewSceneLifetime::cancelIdleDrain() {
    idleDrain_.cancel();
}

void QRPreviewSceneLifetime::drain() {
    idleDrain_.cancel();
    const bool hadScene = !root_.children().empty();
    removeScene();
    setDrained(true);
    if (hadScene) Q_EMIT sceneChanged();
}

void QRPreviewSceneLifetime::removeScene() {
    while (!root_.children().empty()) root_.children().back()->removeFromParent();
}

void QRPreviewSceneLifetime::setDrained(bool drained) {
    if (drained == drained_) return;
    drained_ = drained;
    Q_EMIT drainedChanged(drained);
}

}  // namespace vostrel
