#include "ui/mascot/mascot3d_view.h"

#include <QEvent>
#include <QWindow>

#include "render3d/scene_view.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

// Steps longer than this (a busy machine, a debugger) move the scene by this much only, so the
// mascot does not skip a whole clip.
constexpr double longestStep = 0.25;

// The cricket's antennae and legs are a pixel or two wide: without multisampling they crawl as
// it moves. 4× costs about twice the frame on a software rasteriser, which the idle frame rate
// pays for.
constexpr int samples = 4;

}  // namespace

Mascot3DView::Mascot3DView(Mascot3DFraming framing, QWidget* parent)
    : QWidget(parent), scene_(framing), searchRoots_(Mascot3DAssets::defaultSearchRoots()) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, &Mascot3DView::tick);
    connect(&scene_, &Mascot3DScene::changed, this, &Mascot3DView::redraw);
    connect(&scene_, &Mascot3DScene::readyChanged, this, &Mascot3DView::updateActivity);
    connect(&scene_, &Mascot3DScene::loadFailedChanged, this, [this] {
        dropRenderer();
        Q_EMIT failedChanged();
    });
    applyLighting();
}

// The scene view goes first: it draws the scene, which goes with this object.
Mascot3DView::~Mascot3DView() {
    dropRenderer();
}

// Whether GL works is asked only once the window is shown (it makes a context), so building the
// window stays as quick as before.
bool Mascot3DView::failed() const {
    return scene_.loadFailed() || (windowIsOpen_ && !SceneView::openGLAvailable()) ||
           (sceneView_ && !sceneView_->isUsable());
}

void Mascot3DView::setWelcomePeriod(std::optional<WelcomePeriod> period) {
    welcomePeriod_ = period;
    applyLighting();
}

void Mascot3DView::setPartyHat(const QImage& picture) {
    scene_.setPartyHat(picture);
}

void Mascot3DView::setReduceMotion(bool reduceMotion) {
    scene_.setReduceMotion(reduceMotion);
}

void Mascot3DView::hop() {
    scene_.hop();
    pace();
}

void Mascot3DView::pan(PanState state, QSizeF translation) {
    const auto phase = static_cast<MascotOrbit::Phase>(static_cast<int>(state));
    scene_.pan(phase, translation);
    pace();
    updateActivity();
}

void Mascot3DView::applyLighting() {
    scene_.applyLighting(welcomePeriod_, isDarkPalette(palette()));
}

void Mascot3DView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    watchWindow();
    if (!windowIsOpen_) {
        windowIsOpen_ = true;
        buildRenderer();
        if (!sceneView_) Q_EMIT failedChanged();
    }
    // After the window is on screen, so its first paint does not wait for the models.
    QTimer::singleShot(0, this, [this] {
        scene_.load(searchRoots_);
        if (!scene_.isReady()) scene_.requestGreeting(MascotClip::hello);
    });
    updateActivity();
}

void Mascot3DView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (sceneView_) sceneView_->setGeometry(rect());
    scene_.setViewportSize(size());
}

void Mascot3DView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyLighting();
}

void Mascot3DView::watchWindow() {
    QWidget* window = this->window();
    if (window != watchedWindow_) {
        if (watchedWindow_) watchedWindow_->removeEventFilter(this);
        watchedWindow_ = window;
        window->installEventFilter(this);
    }
    QWindow* handle = window->windowHandle();
    if (handle != watchedHandle_) {
        if (watchedHandle_) watchedHandle_->removeEventFilter(this);
        watchedHandle_ = handle;
        if (handle) handle->installEventFilter(this);
    }
}

bool Mascot3DView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Close:
            if (watched == watchedWindow_) {
                windowIsOpen_ = false;
                QTimer::singleShot(0, this, &Mascot3DView::dropRenderer);
            }
            [[fallthrough]];
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
        case QEvent::Expose:
            QTimer::singleShot(0, this, &Mascot3DView::updateActivity);
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

bool Mascot3DView::windowIsVisible() const {
    const QWidget* window = this->window();
    const QWindow* handle = window->windowHandle();
    return windowIsOpen_ && isVisible() && window->isVisible() && !window->isMinimized() &&
           handle && handle->isExposed();
}

void Mascot3DView::updateActivity() {
    watchWindow();
    const bool visible = windowIsVisible();
    scene_.setAnimationEnabled(visible);
    const bool run = visible && !failed() && scene_.wantsFrames();
    if (run == frameTimer_.isActive()) return;
    if (run) {
        sinceLastFrame_.start();
        pace();
        frameTimer_.start();
        redraw();
    } else {
        frameTimer_.stop();
    }
}

void Mascot3DView::tick() {
    const double seconds = std::min(double(sinceLastFrame_.restart()) / 1000.0, longestStep);
    scene_.advance(seconds);
    pace();
    redraw();
}

void Mascot3DView::pace() {
    const int rate = scene_.isIdling() ? idleFramesPerSecond : movingFramesPerSecond;
    if (frameTimer_.interval() != 1000 / rate) frameTimer_.setInterval(1000 / rate);
}

void Mascot3DView::redraw() {
    if (sceneView_ && isVisible()) sceneView_->update();
    Q_EMIT sceneChanged();
}

void Mascot3DView::buildRenderer() {
    if (sceneView_ || scene_.loadFailed() || !SceneView::openGLAvailable()) return;
    sceneView_ = new SceneView(samples, this);
    ++rendererGeneration_;
    // A clear background, so the meadow shows around the mascot.
    sceneView_->setAttribute(Qt::WA_TransparentForMouseEvents);
    sceneView_->setBackground(QColor(0, 0, 0, 0));
    sceneView_->setScene(&scene_.root());
    sceneView_->setGeometry(rect());
    connect(sceneView_, &SceneView::framePainted, &scene_, &Mascot3DScene::frameRendered);
    sceneView_->show();
}

void Mascot3DView::dropRenderer() {
    if (!sceneView_) return;
    frameTimer_.stop();
    delete sceneView_;
    sceneView_ = nullptr;
}

}  // namespace vostrel
