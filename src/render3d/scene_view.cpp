#include "render3d/scene_view.h"

#include <QPainter>

#include "render/rounded_corners.h"

namespace vostrel {

SceneView::SceneView(int samples, QWidget* parent) : QWidget(parent), samples_(samples) {}

SceneView::~SceneView() = default;

void SceneView::setScene(const Entity* root) {
    root_ = root;
    update();
}

void SceneView::setBackground(const QColor& background) {
    if (background == background_) return;
    background_ = background;
    update();
}

void SceneView::setCornerRadius(qreal radius) {
    if (radius == cornerRadius_) return;
    cornerRadius_ = radius;
    update();
}

void SceneView::releaseResources() {
    if (renderer_) renderer_->releaseResources();
}

QImage SceneView::drawFrame() {
    if (!root_ || !error_.isEmpty()) return {};
    if (!renderer_) {
        auto renderer = std::make_unique<OffscreenSceneRenderer>(samples_);
        if (!renderer->isValid()) {
            error_ = renderer->errorString();
            return {};
        }
        renderer_ = std::move(renderer);
    }
    const qreal ratio = devicePixelRatioF();
    QImage frame = renderer_->render(*root_, (QSizeF(size()) * ratio).toSize(), background_);
    cutRoundedCorners(frame, cornerRadius_ * ratio);
    frame.setDevicePixelRatio(ratio);
    return frame;
}

void SceneView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage frame = drawFrame();
    if (frame.isNull()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(background_);
        painter.drawRoundedRect(QRectF(rect()), cornerRadius_, cornerRadius_);
        return;
    }
    painter.drawImage(rect(), frame);
    Q_EMIT framePainted();
}

bool SceneView::openGLAvailable() {
    static const bool available = OffscreenSceneRenderer::canRender();
    return available;
}

}  // namespace vostrel
