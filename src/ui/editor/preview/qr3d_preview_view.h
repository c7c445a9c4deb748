#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <numbers>

#include "engine/module_matrix.h"
#include "render/qr_style.h"
#include "ui/editor/preview/qr_preview_scene_lifetime.h"
#include "ui/widgets/task_clock.h"
#include "ui/widgets/trackpad_pan_catcher.h"

namespace vostrel {

class FlatSymbolLayer;
class SceneView;

// The symbol as a flat picture that turns into the extruded 3D scene while the user tilts it,
// and springs back to flat when they let go. Back to front: the scene's view (shown only
// during a pan and while the flat picture is not fully opaque over it), then the flat picture,
// whose opacity falls to zero within the first 0.05 rad of tilt. The scene is built when a pan
// begins, rebuilt 250 ms after the last change of symbol or style while it exists, and drained 1.5
// s after the last interaction or as soon as the view or its window is hidden or minimised: at rest
// there is no scene, no GL work and no timer.
//
// Mouse events pass through the view: its owner feeds handlePan, typically from a
// TrackpadPanCatcher. Every delay runs on the given clock.
class QR3DPreviewView : public QWidget {
    Q_OBJECT

  public:
    // Rotation about x and about y, in radians.
    struct Tilt {
        double x = 0;
        double y = 0;
        bool operator==(const Tilt&) const = default;
    };

    explicit QR3DPreviewView(QWidget* parent = nullptr, TaskClock& clock = TaskClock::system());
    ~QR3DPreviewView() override;

    void setSymbol(const ModuleMatrix& matrix, const QRStyle& style);
    // Where the symbol square lies, in this widget's coordinates.
    void setSymbolArea(const QRectF& area);
    // The colour around the symbol, which a translucent background lets through.
    void setBackdrop(const QColor& backdrop);

    // One step of a pan: `translation` is the travel since it began, in pixels. Travel from
    // continuous devices in the first 60 ms of a pan that had to build the scene does not tilt
    // (the first frames of a new scene are slow); key steps always do.
    void handlePan(PanState state, QSizeF translation, PanDevice device = PanDevice::trackpad);

    Tilt tilt() const { return tilt_; }
    double overlayMask() const { return overlayMask_; }
    // The flat picture's opacity: 1 at rest, 0 once either tilt reaches 0.05 rad.
    double overlayOpacity() const;
    bool isSceneWarming() const { return sceneIsWarming_; }
    bool isSpringing() const { return springTask_.isPending(); }
    // Whether any delayed work of the view or its scene is waiting on the clock.
    bool hasPendingTasks() const;
    const QRPreviewSceneLifetime& sceneLifetime() const { return lifetime_; }
    FlatSymbolLayer* flatPicture() const { return flat_; }
    // The scene's view, once a scene was first shown where OpenGL is available.
    SceneView* sceneView() const { return sceneView_; }
    // How many scenes were built, for telling a rebuild from none.
    quint64 sceneBuildCount() const { return sceneBuilds_; }

    static constexpr double radiansPerPixel = std::numbers::pi / 400;
    static constexpr double fullyTilted = 0.05;
    static constexpr std::chrono::milliseconds rebuildDelay{250};
    static constexpr std::chrono::milliseconds warmingTime{60};
    static constexpr std::chrono::milliseconds fadeDuration{250};

  Q_SIGNALS:
    // The tilt was applied to the scene (each pan step and spring step).
    void tiltApplied();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    struct Spring {
        double position[2] = {0, 0};
        double velocity[2] = {0, 0};
        int steps = 0;
    };

    void beginPan();
    void followTravel(QSizeF translation, PanDevice device);
    void scheduleRebuild();
    void rebuild();
    void buildScene();
    void setTilt(Tilt tilt);
    void applyTilt();
    void springBack();
    void springStep();
    void settle();
    void fadeStep();
    void setOverlayMask(double mask);
    void drainNow();
    void updateLayers();
    void sceneDrainedChanged(bool drained);
    void watchHostWindow();
    QColor sceneBackground() const;
    void updateSceneViewLook();

    TaskClock& clock_;
    ModuleMatrix matrix_;
    QRStyle style_;
    QRectF area_;
    QColor backdrop_ = Qt::white;
    Tilt tilt_;
    QRPreviewSceneLifetime lifetime_;
    ScheduledTask springTask_;
    ScheduledTask rebuildTask_;
    ScheduledTask warmingTask_;
    ScheduledTask fadeTask_;
    Spring spring_;
    TaskClock::Duration fadeStart_{0};
    double overlayMask_ = 1;
    bool sceneIsWarming_ = false;
    bool panning_ = false;
    QSizeF panOrigin_{0, 0};
    QPointer<QWidget> hostWindow_;
    FlatSymbolLayer* flat_;
    SceneView* sceneView_ = nullptr;
    quint64 sceneBuilds_ = 0;
};

}  // namespace vostrel
