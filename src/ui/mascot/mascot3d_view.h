#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "companions/mascot3d_scene.h"
#include "ui/widgets/trackpad_pan_catcher.h"

class QWindow;

namespace vostrel {

class SceneView;

// The animated mascot on screen: a Mascot3DScene drawn by a SceneView with a clear background
// over whatever is behind it. The models load once the window is shown. The frame clock runs only while the
// window is shown, not minimised and exposed; hidden, minimised or closed there is no timer and
// nothing is drawn, and the scene's time stands still until it is back. A window that closes and
// opens again gets a new 3D view (rendererGeneration).
//
// Mouse and key events pass through to the widget below, which owns clicks and the pan catcher.
class Mascot3DView : public QWidget {
    Q_OBJECT

  public:
    explicit Mascot3DView(Mascot3DFraming framing, QWidget* parent = nullptr);
    ~Mascot3DView() override;

    Mascot3DScene& scene() { return scene_; }
    const Mascot3DScene& scene() const { return scene_; }

    // Where the models are read from; set before the window is first shown.
    void setModelSearchRoots(const QStringList& roots) { searchRoots_ = roots; }

    // The models failed to load, or this display cannot draw them: show the placeholder instead.
    bool failed() const;
    bool isAnimating() const { return frameTimer_.isActive(); }
    int rendererGeneration() const { return rendererGeneration_; }

    void setWelcomePeriod(std::optional<WelcomePeriod> period);
    void setPartyHat(const QImage& picture);
    void setReduceMotion(bool reduceMotion);
    void hop();
    void pan(PanState state, QSizeF translation);

    // Frames per second while the mascot moves about (entrance, greeting, hops, turning), and
    // while it only idles: breathing and swaying antennae read well at the lower rate, which
    // keeps an idle mascot cheap on software rendering.
    static constexpr int movingFramesPerSecond = 30;
    static constexpr int idleFramesPerSecond = 15;

  Q_SIGNALS:
    void failedChanged();
    // The scene moved or changed: the widget below repaints what it draws under the mascot.
    void sceneChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watchWindow();
    void updateActivity();
    bool windowIsVisible() const;
    void tick();
    void pace();
    void redraw();
    void buildRenderer();
    void dropRenderer();
    void applyLighting();

    Mascot3DScene scene_;
    QStringList searchRoots_;
    SceneView* sceneView_ = nullptr;
    int rendererGeneration_ = 0;
    QPointer<QWidget> watchedWindow_;
    QPointer<QWindow> watchedHandle_;
    bool windowIsOpen_ = false;
    std::optional<WelcomePeriod> welcomePeriod_;
    QTimer frameTimer_;
    QElapsedTimer sinceLastFrame_;
};

}  // namespace vostrel
