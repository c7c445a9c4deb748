#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <memory>

#include "render3d/offscreen_scene_renderer.h"
#include "scene3d/entity.h"

namespace vostrel {

// A widget that shows an entity tree: each paint draws the tree offscreen with its own OpenGL 3.3
// core context and shows the picture. Being an ordinary widget, it leaves its window as it is:
// a GL widget would turn the whole window over to GL composition, which Qt does by recreating a
// window already on screen (a flash, a lost focus, a slower window for good). On a software
// rasteriser reading the picture back is a copy in memory.
//
// It does not own the tree: the owner keeps it alive while it is shown (or clears it first) and
// calls update() after changing it.
class SceneView : public QWidget {
    Q_OBJECT

  public:
    // `samples`× multisampling where the driver offers it; 0 for none.
    explicit SceneView(int samples = OffscreenSceneRenderer::automaticSamples,
                       QWidget* parent = nullptr);
    ~SceneView() override;

    void setScene(const Entity* root);
    const Entity* scene() const { return root_; }
    void setBackground(const QColor& background);
    QColor background() const { return background_; }
    // Rounds the picture's corners by this radius, showing what lies beneath; 0 keeps them square.
    void setCornerRadius(qreal radius);

    // False once no renderer could be made; `errorString` says why. Such a view shows its
    // background only.
    bool isUsable() const { return error_.isEmpty(); }
    QString errorString() const { return error_; }

    // Whether this process can make an OpenGL 3.3 core context (asked once).
    static bool openGLAvailable();

  Q_SIGNALS:
    // A picture of the tree was drawn and painted (not sent for a paint of the background only).
    void framePainted();

  public Q_SLOTS:
    // Frees the GPU copies of the tree and the picture now; the next paint makes them again.
    void releaseResources();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage drawFrame();

    const Entity* root_ = nullptr;
    QColor background_ = Qt::white;
    qreal cornerRadius_ = 0;
    int samples_;
    std::unique_ptr<OffscreenSceneRenderer> renderer_;
    QString error_;
};

}  // namespace vostrel
