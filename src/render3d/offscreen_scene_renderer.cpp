#include "render3d/offscreen_scene_renderer.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

#include <algorithm>

#include "render3d/scene_renderer.h"

namespace vostrel {

namespace {

QSurfaceFormat coreFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    return format;
}

}  // namespace

OffscreenSceneRenderer::OffscreenSceneRenderer(int samples) : samples_(std::max(samples, 0)) {
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(coreFormat());
    surface_ = std::make_unique<QOffscreenSurface>();
    surface_->setFormat(coreFormat());
    surface_->create();
    if (!context_->create() || !surface_->isValid() || !context_->makeCurrent(surface_.get())) {
        error_ = QStringLiteral("no OpenGL context on this platform");
        return;
    }
    const QSurfaceFormat made = context_->format();
    if (made.version() < qMakePair(3, 3)) {
        error_ = QStringLiteral("OpenGL %1.%2 is older than 3.3")
                     .arg(made.majorVersion())
                     .arg(made.minorVersion());
        return;
    }
    if (samples == automaticSamples) samples_ = SceneRenderer::recommendedSamples();
    auto renderer = std::make_unique<SceneRenderer>();
    if (!renderer->initialize(&error_)) return;
    renderer_ = std::move(renderer);
}

OffscreenSceneRenderer::~OffscreenSceneRenderer() {
    if (context_ && context_->makeCurrent(surface_.get())) {
        if (renderer_) renderer_->releaseResources();
        framebuffer_.reset();
        context_->doneCurrent();
    }
}

bool OffscreenSceneRenderer::prepareFramebuffer(QSize pixels) {
    if (framebuffer_ && framebuffer_->size() == pixels) return true;
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    format.setSamples(samples_);
    framebuffer_ = std::make_unique<QOpenGLFramebufferObject>(pixels, format);
    if (!framebuffer_->isValid() && samples_ > 0) {
        // Not every driver multisamples into framebuffer objects; a plain one still draws.
        format.setSamples(0);
        framebuffer_ = std::make_unique<QOpenGLFramebufferObject>(pixels, format);
    }
    return framebuffer_->isValid();
}

bool OffscreenSceneRenderer::drawFrame(const Entity& root, QSize pixels, const QColor& background) {
    if (!renderer_ || pixels.isEmpty() || !context_->makeCurrent(surface_.get())) return false;
    if (!prepareFramebuffer(pixels)) return false;
    framebuffer_->bind();
    renderer_->render(root, pixels, background);
    context_->functions()->glFinish();
    return true;
}

QImage OffscreenSceneRenderer::frameImage() {
    if (!framebuffer_ || !context_->makeCurrent(surface_.get())) return {};
    return framebuffer_->toImage();
}

QImage OffscreenSceneRenderer::render(const Entity& root, QSize pixels, const QColor& background) {
    if (!drawFrame(root, pixels, background)) return {};
    return frameImage();
}

void OffscreenSceneRenderer::releaseResources() {
    if (!renderer_ || !context_->makeCurrent(surface_.get())) return;
    renderer_->releaseSceneResources();
    framebuffer_.reset();
    context_->doneCurrent();
}

bool OffscreenSceneRenderer::canRender() {
    return OffscreenSceneRenderer(0).isValid();
}

QString OffscreenSceneRenderer::takeGlErrors() {
    if (!context_ || !context_->makeCurrent(surface_.get())) return {};
    QStringList errors;
    for (GLenum error = context_->functions()->glGetError(); error != GL_NO_ERROR;
         error = context_->functions()->glGetError()) {
        errors << QStringLiteral("0x%1").arg(error, 4, 16, QLatin1Char('0'));
    }
    return errors.join(u", ");
}

}  // namespace vostrel
