#include "ui/editor/preview/qr3d_preview_view.h"

#include <QEasingCurve>
#include <QEvent>
#include <QQuaternion>
#include <QtMath>
#include <algorithm>

#include "render3d/scene_view.h"
#include "scene3d/qr3d_scene_builder.h"
#include "ui/editor/preview/flat_symbol_layer.h"

namespace vostrel {

namespace {

using namespace std::chrono_literals;

// A damped spring, (2π / 0.4 s)² stiff at damping ratio 0.5, stepped 120 times a second for at
// most 3 s; it counts as settled once position and speed are both negligible.
constexpr double springStiffness = 246.74011;
constexpr double springDamping = 15.707963;
constexpr double springStepSeconds = 1.0 / 120;
constexpr auto springStepDelay = 8'333'333ns;
constexpr int springMaximumSteps = 360;
constexpr double settledPosition = 0.0005;
constexpr double settledVelocity = 0.005;
constexpr auto fadeFrameDelay = 16ms;

double easeIn(double progress) {
    static const QEasingCurve curve = [] {
        QEasingCurve bezier(QEasingCurve::BezierSpline);
        bezier.addCubicBezierSegment({0.42, 0}, {1, 1}, {1, 1});
        return bezier;
    }();
    return curve.valueForProgress(std::clamp(progress, 0.0, 1.0));
}

}  // namespace

QR3DPreviewView::QR3DPreviewView(QWidget* parent, TaskClock& clock)
    : QWidget(parent), clock_(clock), lifetime_(clock), flat_(new FlatSymbolLayer(this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    connect(&lifetime_, &QRPreviewSceneLifetime::drainedChanged, this,
            &QR3DPreviewView::sceneDrainedChanged);
}

QR3DPreviewView::~QR3DPreviewView() = default;

void QR3DPreviewView::setSymbol(const ModuleMatrix& matrix, const QRStyle& style) {
    if (matrix == matrix_ && style == style_) return;
    matrix_ = matrix;
    style_ = style;
    flat_->setSymbol(matrix, style);
    updateSceneViewLook();
    scheduleRebuild();
}

void QR3DPreviewView::setSymbolArea(const QRectF& area) {
    area_ = area;
    flat_->setGeometry(rect());
    flat_->setSymbolArea(area);
    if (sceneView_) sceneView_->setGeometry(area.toAlignedRect());
    updateSceneViewLook();
}

void QR3DPreviewView::setBackdrop(const QColor& backdrop) {
    backdrop_ = backdrop;
    updateSceneViewLook();
}

double QR3DPreviewView::overlayOpacity() const {
    const double m = std::max(std::abs(tilt_.x), std::abs(tilt_.y)) / fullyTilted;
    return (1 - std::min(m, 1.0)) * overlayMask_;
}

bool QR3DPreviewView::hasPendingTasks() const {
    return springTask_.isPending() || rebuildTask_.isPending() || warmingTask_.isPending() ||
           fadeTask_.isPending() || lifetime_.isIdleDrainPending();
}

void QR3DPreviewView::handlePan(PanState state, QSizeF translation, PanDevice device) {
    panning_ = state == PanState::began || state == PanState::changed;
    if (state == PanState::ended || state == PanState::cancelled) springBack();
    if (state == PanState::began) beginPan();
    followTravel(translation, device);
}

void QR3DPreviewView::beginPan() {
    rebuildTask_.cancel();
    lifetime_.cancelIdleDrain();
    springTask_.cancel();
    fadeTask_.cancel();
    panOrigin_ = QSizeF(0, 0);
    setOverlayMask(1);
    if (!lifetime_.isDrained()) return;
    buildScene();
    lifetime_.cancelIdleDrain();
    sceneIsWarming_ = true;
    warmingTask_ = clock_.schedule(warmingTime, [this] { sceneIsWarming_ = false; });
}

void QR3DPreviewView::followTravel(QSizeF translation, PanDevice device) {
    if (sceneIsWarming_ && device != PanDevice::keys) {
        panOrigin_ = translation;
        return;
    }
    setTilt({(translation.height() - panOrigin_.height()) * radiansPerPixel,
             (translation.width() - panOrigin_.width()) * radiansPerPixel});
}

// Only the last change within the delay rebuilds, and only a scene that exists: a drained one
// is built by the next pan, from whatever the symbol is then. Since only a pan makes a drained
// scene live, and a pan's start cancels the rebuild, a drained scene needs no timer at all.
void QR3DPreviewView::scheduleRebuild() {
    rebuildTask_.cancel();
    if (lifetime_.isDrained()) return;
    rebuildTask_ = clock_.schedule(rebuildDelay, [this] { rebuild(); });
}

void QR3DPreviewView::rebuild() {
    rebuildTask_.cancel();
    if (lifetime_.isDrained()) return;
    buildScene();
    // A scene in use is not idle: a pan that goes on, or a spring that will schedule the drain
    // itself once it settles.
    if (panning_ || isSpringing()) lifetime_.cancelIdleDrain();
}

void QR3DPreviewView::buildScene() {
    lifetime_.install(QR3DSceneBuilder::build(matrix_, style_));
    ++sceneBuilds_;
    applyTilt();
}

void QR3DPreviewView::setTilt(Tilt tilt) {
    tilt_ = tilt;
    applyTilt();
    updateLayers();
}

// Turns about x first, then about y.
void QR3DPreviewView::applyTilt() {
    Entity* pivot = lifetime_.root().findEntity(QStringLiteral("qr-tilt-pivot"));
    if (!pivot) return;
    pivot->transform.rotation =
        QQuaternion::fromAxisAndAngle(0, 1, 0, float(qRadiansToDegrees(tilt_.y))) *
        QQuaternion::fromAxisAndAngle(1, 0, 0, float(qRadiansToDegrees(tilt_.x)));
    if (sceneView_) sceneView_->update();
    Q_EMIT tiltApplied();
}

void QR3DPreviewView::springBack() {
    springTask_.cancel();
    fadeTask_.cancel();
    setOverlayMask(0);
    spring_ = Spring{{tilt_.x, tilt_.y}, {0, 0}, 0};
    springTask_ = clock_.schedule(0ns, [this] { springStep(); });
}

void QR3DPreviewView::springStep() {
    bool settled = true;
    for (int axis = 0; axis < 2; ++axis) {
        double& position = spring_.position[axis];
        double& velocity = spring_.velocity[axis];
        const double acceleration = -springStiffness * position - springDamping * velocity;
        velocity += acceleration * springStepSeconds;
        position += velocity * springStepSeconds;
        settled =
            settled && std::abs(position) < settledPosition && std::abs(velocity) < settledVelocity;
    }
    ++spring_.steps;
    setTilt({spring_.position[0], spring_.position[1]});
    if (settled || spring_.steps >= springMaximumSteps) return settle();
    springTask_ = clock_.schedule(springStepDelay, [this] { springStep(); });
}

void QR3DPreviewView::settle() {
    springTask_.cancel();
    setTilt({0, 0});
    fadeStart_ = clock_.now();
    fadeStep();
    lifetime_.scheduleIdleDrain();
}

// Frames of the fade land every 16 ms, the last exactly at its end.
void QR3DPreviewView::fadeStep() {
    const TaskClock::Duration elapsed = clock_.now() - fadeStart_;
    const TaskClock::Duration duration = fadeDuration;
    setOverlayMask(easeIn(double(elapsed.count()) / double(duration.count())));
    if (elapsed >= duration)
        fadeTask_.cancel();
    else
        fadeTask_ =
            clock_.schedule(std::min<TaskClock::Duration>(fadeFrameDelay, duration - elapsed),
                            [this] { fadeStep(); });
}

void QR3DPreviewView::setOverlayMask(double mask) {
    overlayMask_ = mask;
    updateLayers();
}

// Hidden, minimised or off screen: nothing of the scene is kept, and when the view shows again
// it is at rest.
void QR3DPreviewView::drainNow() {
    rebuildTask_.cancel();
    springTask_.cancel();
    warmingTask_.cancel();
    fadeTask_.cancel();
    sceneIsWarming_ = false;
    panning_ = false;
    tilt_ = {};
    overlayMask_ = 1;
    lifetime_.drain();
    updateLayers();
}

// The scene view shows during a pan and while anything of the scene can be seen: a hidden one
// draws nothing, and at rest the window paints as if there were none. From the start of a pan it
// draws under the still opaque picture, so that its first, slow frame (shaders, meshes) falls
// within the warm-up. Where OpenGL is missing, the flat picture stays.
void QR3DPreviewView::updateLayers() {
    const bool canShow3D = SceneView::openGLAvailable();
    const bool show3D = canShow3D && !lifetime_.isDrained() && (panning_ || overlayOpacity() < 1);
    if (show3D && !sceneView_) {
        sceneView_ = new SceneView(OffscreenSceneRenderer::automaticSamples, this);
        sceneView_->setScene(&lifetime_.root());
        sceneView_->setGeometry(area_.toAlignedRect());
        updateSceneViewLook();
        sceneView_->lower();
    }
    if (sceneView_ && sceneView_->isVisible() != show3D) sceneView_->setVisible(show3D);
    flat_->setOpacity(canShow3D ? overlayOpacity() : 1);
}

void QR3DPreviewView::sceneDrainedChanged(bool drained) {
    if (drained && sceneView_) {
        sceneView_->hide();
        sceneView_->releaseResources();
    }
    updateLayers();
}

// The scene's square looks like the flat picture's: the same background, the same corners.
void QR3DPreviewView::updateSceneViewLook() {
    if (!sceneView_) return;
    sceneView_->setBackground(sceneBackground());
    sceneView_->setCornerRadius(symbolCornerRadius(matrix_, style_, area_.width()));
}

QColor QR3DPreviewView::sceneBackground() const {
    const QColor background = style_.background.toQColor();
    const double alpha = background.alphaF();
    const auto mix = [alpha](double over, double under) {
        return over * alpha + under * (1 - alpha);
    };
    return QColor::fromRgbF(float(mix(background.redF(), backdrop_.redF())),
                            float(mix(background.greenF(), backdrop_.greenF())),
                            float(mix(background.blueF(), backdrop_.blueF())));
}

void QR3DPreviewView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    watchHostWindow();
}

void QR3DPreviewView::hideEvent(QHideEvent* event) {
    drainNow();
    QWidget::hideEvent(event);
}

void QR3DPreviewView::watchHostWindow() {
    if (hostWindow_ == window()) return;
    if (hostWindow_) hostWindow_->removeEventFilter(this);
    hostWindow_ = window();
    hostWindow_->installEventFilter(this);
}

bool QR3DPreviewView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == hostWindow_ && event->type() == QEvent::WindowStateChange &&
        hostWindow_->isMinimized())
        drainNow();
    return QWidget::eventFilter(watched, event);
}

}  // namespace vostrel
