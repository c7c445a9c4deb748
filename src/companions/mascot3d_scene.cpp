#include "companions/mascot3d_scene.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

#include "companions/mascot_party_hat.h"

namespace vostrel {

namespace {

// How long a clip blends in from the pose the previous one left.
constexpr double transitionSeconds = 0.18;
// The entrance waits for this many drawn frames, or this long, so the first (slow) frames do not
// swallow it.
constexpr int entranceWarmupFrames = 2;
constexpr double entranceHoldSeconds = 0.5;

}  // namespace

Mascot3DScene::Mascot3DScene(Mascot3DFraming framing, QObject* parent)
    : QObject(parent), framing_(framing), root_(QStringLiteral("mascot-root")) {
    buildRig();
    connect(&watcher_, &QFutureWatcherBase::finished, this, [this] {
        auto result = watcher_.result();
        loading_ = false;
        if (result)
            install(std::move(*result));
        else
            fail(result.error());
    });
}

Mascot3DScene::~Mascot3DScene() {
    stopPlayback();
}

const Entity* Mascot3DScene::model(MascotClip clip) const {
    if (visibleModel_ && activeClip_ == clip) return visibleModel_;
    const auto it = storedModels_.find(clip);
    return it == storedModels_.end() ? nullptr : it->second.get();
}

void Mascot3DScene::load(const QStringList& searchRoots) {
    if (loading_ || isReady_) return;
    loading_ = true;
    watcher_.setFuture(Mascot3DAssets::loadAll(searchRoots));
}

void Mascot3DScene::install(Mascot3DAssets::Models models) {
    for (auto& [clip, scene] : models) {
        animations_[clip] = scene.animations.front();
        storedModels_[clip] = scene.instantiate();
        restPoses_[clip] = capturePose(*storedModels_[clip]);
    }
    // The idle model at rest measures the character for framing.
    referenceBounds_ = storedModels_.at(MascotClip::idle)->visualBounds(nullptr);
    frameModel();
    isReady_ = true;
    // The entrance's first pose shows while the first frames are drawn; it starts moving after.
    play(MascotClip::arrive);
    isHoldingEntrance_ = true;
    holdElapsed_ = 0.0;
    warmupFrames_ = 0;
    Q_EMIT readyChanged();
    Q_EMIT changed();
}

void Mascot3DScene::fail(const Mascot3DAssets::LoadError& error) {
    loadError_ = error;
    loadFailed_ = true;
    Q_EMIT loadFailedChanged();
}

void Mascot3DScene::advance(double seconds) {
    if (!animationEnabled_ || !isReady_) return;
    if (orbit_.advance(seconds)) applyOrbit();
    if (isHoldingEntrance_) {
        holdElapsed_ += seconds;
        if (warmupFrames_ >= entranceWarmupFrames || holdElapsed_ >= entranceHoldSeconds) {
            beginEntrance();
        }
        return;
    }
    for (const auto& controller : playback_) controller->advance(seconds);
    if (!returnToIdleIn_) return;
    *returnToIdleIn_ -= seconds;
    if (*returnToIdleIn_ <= 0.0) finishClip();
}

void Mascot3DScene::frameRendered() {
    ++warmupFrames_;
}

bool Mascot3DScene::wantsFrames() const {
    return isReady_ && animationEnabled_;
}

bool Mascot3DScene::isIdling() const {
    return isReady_ && !isHoldingEntrance_ && activeClip_ == MascotClip::idle && orbit_.isAtRest();
}

void Mascot3DScene::setAnimationEnabled(bool enabled) {
    if (animationEnabled_ == enabled) return;
    animationEnabled_ = enabled;
    for (const auto& controller : playback_) {
        if (enabled)
            controller->resume();
        else
            controller->pause();
    }
}

void Mascot3DScene::beginEntrance() {
    isHoldingEntrance_ = false;
    play(MascotClip::arrive);
}

void Mascot3DScene::requestGreeting(MascotClip clip) {
    // Before the mascot has arrived, the greeting waits for the entrance to end.
    if (!isReady_ || isHoldingEntrance_ || activeClip_ == MascotClip::arrive) {
        pendingGreeting_ = clip;
        return;
    }
    play(clip);
}

void Mascot3DScene::hop() {
    if (!isReady_ || isHoldingEntrance_) return;
    play(MascotClip::hop);
}

void Mascot3DScene::play(MascotClip clip) {
    if (!isReady_) return;
    if (clip == pendingGreeting_) pendingGreeting_.reset();
    const Pose from = visibleModel_ ? capturePose(*visibleModel_) : Pose{};
    stopPlayback();
    show(clip);
    const AnimationResource& animation = animations_.at(clip);
    const bool loops = clip == MascotClip::idle;
    auto controller = playAnimation(*visibleModel_, loops ? animation.repeat() : animation,
                                    from.isEmpty() ? 0.0 : transitionSeconds, from);
    if (!animationEnabled_) controller->pause();
    playback_.push_back(std::move(controller));
    if (loops)
        returnToIdleIn_.reset();
    else
        scheduleReturnToIdle();
    Q_EMIT activeClipChanged(clip);
    Q_EMIT changed();
}

// Puts the clip's model, at rest, in the container in place of the one shown.
void Mascot3DScene::show(MascotClip clip) {
    if (!visibleModel_ || activeClip_ != clip) {
        if (visibleModel_) storedModels_[activeClip_] = visibleModel_->removeFromParent();
        visibleModel_ = modelContainer_->addChild(std::move(storedModels_.at(clip)));
        storedModels_.erase(clip);
        activeClip_ = clip;
        dressVisibleModel();
    }
    applyPose(*visibleModel_, restPoses_.at(clip));
}

void Mascot3DScene::setPartyHat(const QImage& picture) {
    hatTexture_ = Texture::fromImage(picture).value_or(nullptr);
    dressVisibleModel();
    Q_EMIT changed();
}

// Each clip has its own model, so the hat moves to whichever is shown.
void Mascot3DScene::dressVisibleModel() {
    for (auto& [clip, model] : storedModels_) {
        if (Entity* old = model->findEntity(QString::fromLatin1(partyHatName))) {
            old->removeFromParent();
        }
    }
    if (!visibleModel_) return;
    if (Entity* old = visibleModel_->findEntity(QString::fromLatin1(partyHatName))) {
        old->removeFromParent();
    }
    if (!hatTexture_) return;
    Entity* head = visibleModel_->findEntity(QStringLiteral("head"));
    if (auto hat = makePartyHat(hatTexture_, *visibleModel_, restPoses_.at(activeClip_));
        hat && head) {
        head->addChild(std::move(hat));
    }
}

std::optional<QPointF> Mascot3DScene::viewPosition(const QVector3D& world) const {
    const QVector3D eye = camera_->worldMatrix().inverted().map(world);
    if (eye.z() >= 0.0f) return std::nullopt;
    const double tanHalf = std::tan(qDegreesToRadians(camera_->camera->fieldOfViewInDegrees) / 2);
    const double aspect = double(viewport_.width()) / double(viewport_.height());
    const double x = eye.x() / -eye.z() / (tanHalf * aspect);
    const double y = eye.y() / -eye.z() / tanHalf;
    return QPointF((x + 1.0) / 2.0, (1.0 - y) / 2.0);
}

QVector3D Mascot3DScene::groundPoint() const {
    const QMatrix4x4 container = modelContainer_->worldMatrix();
    QVector3D feet = container.map(visibleModel_ ? visibleModel_->transform.position : QVector3D());
    feet.setY(container.map(QVector3D()).y());
    return feet;
}

std::optional<QVector3D> Mascot3DScene::headCenter() const {
    if (!visibleModel_) return std::nullopt;
    const Entity* head = visibleModel_->findEntity(QStringLiteral("head-mesh"));
    if (!head) head = visibleModel_->findEntity(QStringLiteral("head"));
    if (!head) return std::nullopt;
    const Bounds bounds = head->visualBounds();
    if (bounds.empty) return std::nullopt;
    return bounds.center();
}

float Mascot3DScene::heightAboveGround() const {
    if (!visibleModel_) return 0.0f;
    return modelContainer_->worldMatrix().map(visibleModel_->transform.position).y() -
           groundPoint().y();
}

double Mascot3DScene::remainingTime() const {
    double remaining = 0.0;
    for (const auto& controller : playback_) {
        if (controller->speed() <= 0.0f) continue;  // a stopped clock never runs out
        remaining = std::max(remaining, std::max(controller->duration() - controller->time(), 0.0) /
                                            double(controller->speed()));
    }
    return remaining;
}

void Mascot3DScene::scheduleReturnToIdle() {
    const double remaining = remainingTime();
    if (remaining <= 0.0) {
        finishClip();
        return;
    }
    returnToIdleIn_ = remaining;
}

void Mascot3DScene::finishClip() {
    returnToIdleIn_.reset();
    if (pendingGreeting_) {
        play(*pendingGreeting_);
        return;
    }
    play(MascotClip::idle);
}

void Mascot3DScene::stopPlayback() {
    for (const auto& controller : playback_) controller->stop();
    playback_.clear();
}

void Mascot3DScene::pan(MascotOrbit::Phase phase, QSizeF translation) {
    orbit_.pan(phase, translation, orbitReduceMotion_);
    applyOrbit();
    Q_EMIT changed();
}

}  // namespace vostrel
