#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

#include "scene3d/entity.h"

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

namespace vostrel {

class SceneRenderer;

// Pictures of entity trees without a window: its own OpenGL 3.3 core context on an offscreen
// surface, drawing into a framebuffer with `samples`× multisampling where the driver offers it:
// 0 for none, `automaticSamples` for what suits the driver (SceneRenderer::recommendedSamples).
// Needs a QGuiApplication; use from the thread that created it.
class OffscreenSceneRenderer {
  public:
    static constexpr int automaticSamples = -1;

    explicit OffscreenSceneRenderer(int samples = automaticSamples);
    ~OffscreenSceneRenderer();

    // False when no suitable context could be made; `errorString` says why.
    bool isValid() const { return renderer_ != nullptr; }
    QString errorString() const { return error_; }

    // Draws the scene and waits for the GPU to finish, leaving the picture in the framebuffer.
    bool drawFrame(const Entity& root, QSize pixels, const QColor& background);
    // The last frame as a picture (multisampling resolved).
    QImage frameImage();
    // drawFrame and frameImage together; a null picture when drawing failed.
    QImage render(const Entity& root, QSize pixels, const QColor& background);

    // Frees the GPU copies of meshes and textures and the framebuffer, keeping the context; the
    // next frame makes what it needs again.
    void releaseResources();

    // Whether this process can make a renderer at all (a context of OpenGL 3.3 core that builds
    // the shaders).
    static bool canRender();

    // The GL errors raised since the last call, as text ("" when none).
    QString takeGlErrors();

    // The multisampling asked of the framebuffer (the driver may still give none).
    int samples() const { return samples_; }

  private:
    bool prepareFramebuffer(QSize pixels);

    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer_;
    std::unique_ptr<SceneRenderer> renderer_;
    int samples_;
    QString error_;
};

}  // namespace vostrel
