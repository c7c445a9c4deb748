#pragma once

#include <QColor>
#include <QOpenGLWidget>
#include <QString>
#include <memory>

#include "scene3d/entity.h"

namespace vostrel {

class SceneRenderer;

// A widget that draws an entity tree with SceneRenderer in its own OpenGL 3.3 core context. It
// does not own the tree: the owner keeps it alive while it is shown (or clears it first) and
// calls update() after changing it. Its GPU objects go when the context does, or earlier through
// releaseResources(), for a view that will stay hidden for a while.
class SceneView : public QOpenGLWidget {
    Q_OBJECT

  public:
    // `samples`× multisampling where the driver offers it; 0 for none.
    explicit SceneView(int samples = 4, QWidget* parent = nullptr);
    ~SceneView() override;

    void setScene(const Entity* root);
    const Entity* scene() const { return root_; }
    void setBackground(const QColor& background);
    QColor background() const { return background_; }

    // False once the context could not run the renderer; `errorString` says why. Such a view
    // draws its background only.
    bool isUsable() const { return error_.isEmpty(); }
    QString errorString() const { return error_; }

  public Q_SLOTS:
    // Frees the renderer's GPU objects now; the next frame makes them again.
    void releaseResources();

  public:
    // Whether this process can show GL widgets with an OpenGL 3.3 core context (asked once).
    static bool openGLAvailable();

  protected:
    void initializeGL() override;
    void paintGL() override;

  private:
    bool ensureRenderer();
    void dropRenderer();

    const Entity* root_ = nullptr;
    QColor background_ = Qt::white;
    std::unique_ptr<SceneRenderer> renderer_;
    QString error_;
};

}  // namespace vostrel
