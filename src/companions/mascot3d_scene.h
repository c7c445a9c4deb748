#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QSize>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "companions/mascot3d_assets.h"
#include "companions/mascot_clip.h"
#include "companions/mascot_lighting.h"
#include "companions/mascot_orbit.h"
#include "scene3d/animation_playback.h"
#include "scene3d/entity.h"

namespace vostrel {

// The mascot's 3D world, without any widget: it loads one model per clip, plays the entrance and
// the greeting, hops on request, idles in between, turns under the orbit, and lights itself for
// the time of day. Time moves only through advance(), which the view calls once per frame while
// its window is visible, so a hidden window costs nothing and resumes where it stopped.
class Mascot3DScene : public QObject {
    Q_OBJECT

  public:
    explicit Mascot3DScene(Mascot3DFraming framing, QObject* parent = nullptr);
    ~Mascot3DScene() override;

    // The tree the view draws: camera, lights and the model container.
    const Entity& root() const { return root_; }

    bool isReady() const { return isReady_; }
    bool loadFailed() const { return loadFailed_; }
    std::optional<Mascot3DAssets::LoadError> loadError() const { return loadError_; }
    bool isHoldingEntrance() const { return isHoldingEntrance_; }
    bool animationEnabled() const { return animationEnabled_; }
    MascotClip activeClip() const { return activeClip_; }
    std::optional<MascotClip> pendingGreeting() const { return pendingGreeting_; }
    const std::vector<std::shared_ptr<AnimationPlaybackController>>& playback() const {
        return playback_;
    }
    // Seconds until the clip now playing hands over to idle; none while idling.
    std::optional<double> returnToIdleIn() const { return returnToIdleIn_; }
    const Entity* model(MascotClip clip) const;
    const Entity& camera() const { return *camera_; }
    float modelScale() const;
    const MascotOrbit& orbit() const { return orbit_; }
    std::optional<WelcomePeriod> lightingPeriod() const { return lightingPeriod_; }
    bool lightingDark() const { return lightingDark_; }
    const MascotLighting& lighting() const { return lighting_; }

    // Starts reading the models (once); readyChanged or loadFailedChanged follows.
    void load(const QStringList& searchRoots = Mascot3DAssets::defaultSearchRoots());

    // Moves the world on by `seconds`: the entrance hold, the clips, the return to idle and the
    // orbit's ease back. Nothing moves while animation is disabled.
    void advance(double seconds);
    // The view drew a frame; the entrance waits for the first ones so it is not lost to the
    // time the first frame takes.
    void frameRendered();
    // Whether advance() would change anything: the view stops its frame clock otherwise.
    bool wantsFrames() const;

    // Only idling: no other clip, no entrance to come, the orbit at rest.
    bool isIdling() const;

    // Pauses the clips (the window is hidden or closed) or resumes them where they stopped.
    void setAnimationEnabled(bool enabled);

    void requestGreeting(MascotClip clip = MascotClip::hello);
    void hop();
    void play(MascotClip clip);

    void applyLighting(std::optional<WelcomePeriod> period, bool dark);
    void setViewportSize(QSize size);
    void pan(MascotOrbit::Phase phase, QSizeF translation);
    void setReduceMotion(bool reduceMotion) { orbitReduceMotion_ = reduceMotion; }

    // The party hat on the mascot's head; a null picture takes it off.
    void setPartyHat(const QImage& picture);
    bool wearsPartyHat() const { return hatTexture_ != nullptr; }

    // Where a point of the world shows in the view, as fractions of its width and height from the
    // top left; none for points behind the camera.
    std::optional<QPointF> viewPosition(const QVector3D& world) const;
    // The spot on the ground under the mascot now (world), and how high above it the mascot is.
    QVector3D groundPoint() const;
    float heightAboveGround() const;
    // The middle of the mascot's head now (world), where its confetti comes from.
    std::optional<QVector3D> headCenter() const;

    // The horizontal field of view of a framing, in degrees.
    static double fieldOfView(Mascot3DFraming framing);

  Q_SIGNALS:
    void readyChanged();
    void loadFailedChanged();
    void activeClipChanged(MascotClip clip);
    // Something visible changed outside advance() (lighting, orbit, a new clip): draw again.
    void changed();

  private:
    void install(Mascot3DAssets::Models models);
    void fail(const Mascot3DAssets::LoadError& error);
    void beginEntrance();
    void show(MascotClip clip);
    void scheduleReturnToIdle();
    void finishClip();
    double remainingTime() const;
    void stopPlayback();

    // The rig: camera and lights around the model (mascot3d_scene_rig.cpp).
    void buildRig();
    void frameModel();
    void placeCamera();
    void placeLights();
    void applyOrbit();
    void dressVisibleModel();

    Mascot3DFraming framing_;
    Entity root_;
    Entity* modelContainer_ = nullptr;
    Entity* orbitPivot_ = nullptr;
    Entity* camera_ = nullptr;
    Entity* key_ = nullptr;
    Entity* fill_ = nullptr;
    Entity* environmentLight_ = nullptr;
    std::vector<Entity*> spots_;

    bool isReady_ = false;
    bool loadFailed_ = false;
    bool isHoldingEntrance_ = false;
    bool animationEnabled_ = true;
    bool loading_ = false;
    std::optional<Mascot3DAssets::LoadError> loadError_;

    std::map<MascotClip, std::unique_ptr<Entity>> storedModels_;
    std::map<MascotClip, AnimationResource> animations_;
    std::map<MascotClip, Pose> restPoses_;
    std::optional<Bounds> referenceBounds_;
    std::vector<std::shared_ptr<AnimationPlaybackController>> playback_;
    std::optional<double> returnToIdleIn_;
    std::optional<MascotClip> pendingGreeting_;
    MascotClip activeClip_ = MascotClip::idle;
    Entity* visibleModel_ = nullptr;

    double holdElapsed_ = 0.0;
    int warmupFrames_ = 0;
    QSize viewport_{332, 332};

    std::optional<WelcomePeriod> lightingPeriod_;
    bool lightingDark_ = false;
    bool hasLighting_ = false;
    MascotLighting lighting_;
    MascotOrbit orbit_;
    bool orbitReduceMotion_ = false;

    TextureHandle hatTexture_;  // shared by the hats of every clip's model

    QFutureWatcher<Expected<Mascot3DAssets::Models, Mascot3DAssets::LoadError>> watcher_;
};

}  // namespace vostrel
