#include "render3d/scene_view.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include "render3d/scene_renderer.h"

namespace vostrel {

namespace {

QSurfaceFormat sceneFormat(int samples) {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    format.setSamples(samples);
    return format;
}

}  // namespace

SceneView::SceneView(int samples, QWidget* parent) : QOpenGLWidget(parent) {
    setFormat(sceneFormat(std::max(samples, 0)));
}

SceneView::~SceneView() {
    releaseResources();
}

void SceneView::setScene(const Entity* root) {
    root_ = root;
    update();
}

void SceneView::setBackground(const QColor& background) {
    if (background == background_) return;
    background_ = background;
    update();
}

void SceneView::releaseResources() {
    if (!renderer_ || !context()) return;
    makeCurrent();
    dropRenderer();
    doneCurrent();
}

// The context's owner may destroy it before this widget (reparenting into another window does),
// so the GPU objects go with it rather than in the destructor alone.
void SceneView::initializeGL() {
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &SceneView::releaseResources,
            Qt::UniqueConnection);
    ensureRenderer();
}

bool SceneView::ensureRenderer() {
    if (renderer_) return true;
    if (!error_.isEmpty()) return false;
    const QSurfaceFormat made = context()->format();
    if (made.version() < qMakePair(3, 3)) {
        error_ = QStringLiteral("OpenGL %1.%2 is older than 3.3")
                     .arg(made.majorVersion())
                     .arg(made.minorVersion());
        return false;
    }
    auto renderer = std::make_unique<SceneRenderer>();
    if (!renderer->initialize(&error_)) {
        if (error_.isEmpty()) error_ = QStringLiteral("the scene shaders did not build");
        return false;
    }
    renderer_ = std::move(renderer);
    return true;
}

void SceneView::dropRenderer() {
    if (!renderer_) return;
    renderer_->releaseResources();
    renderer_.reset();
}

void SceneView::paintGL() {
    if (!root_ || !context() || !ensureRenderer()) {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(background_.redF(), background_.greenF(), background_.blueF(),
                         background_.alphaF());
        gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        return;
    }
    const QSize pixels = size() * devicePixelRatioF();
    renderer_->render(*root_, pixels, background_);
}

// The offscreen and minimal platforms make GL contexts (the offscreen one through GLX when there
// is a display) but cannot show GL widgets.
bool SceneView::openGLAvailable() {
    static const bool available = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == u"offscreen" || platform == u"minimal") return false;
        QOpenGLContext context;
        context.setFormat(sceneFormat(0));
        QOffscreenSurface surface;
        surface.setFormat(sceneFormat(0));
        surface.create();
        if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface)) return false;
        const bool recent = context.format().version() >= qMakePair(3, 3);
        context.doneCurrent();
        return recent;
    }();
    return available;
}

}  // namespace vostrel
