// The camera and lights around the mascot: framing by the model's bounds, the field of view of
// each framing, the lighting of each time of day, and the orbit's turn.

#include <QtMath>
#include <algorithm>
#include <cmath>

#include "companions/mascot3d_scene.h"

namespace vostrel {

namespace {

constexpr float framedExtent = 1.6f;
// The camera looks slightly down on the mascot, from in front.
constexpr float cameraElevationDegrees = 7.0f;

// How much of the view the mascot takes at rest, and how far above the model's centre the camera
// aims (in framed extents), leaving headroom for a hop.
struct FramingFit {
    float fill;
    float aimAbove;
};

FramingFit fitFor(Mascot3DFraming framing) {
    switch (framing) {
        case Mascot3DFraming::standard:
            return {0.78f, 0.05f};
        case Mascot3DFraming::welcome:
            return {0.72f, 0.14f};
        case Mascot3DFraming::about:
            return {0.62f, 0.16f};
    }
    return {0.78f, 0.05f};
}

// Where the lights stand, as directions from the model and distances in model scales.
const QVector3D keyDirection(-0.55f, 0.7f, 0.55f);
const QVector3D fillDirection(0.8f, 0.3f, 0.5f);
const QVector3D spotDirections[] = {{-0.5f, 0.65f, 0.6f}, {0.75f, 0.35f, -0.45f}};
const float spotDistances[] = {7.5f, 7.0f};

// A spot light's flux spread over its cone, as the illuminance it gives the model at `distance`:
// the scene's light units are illuminance, as for directional lights.
float illuminanceAt(const MascotLighting::Spot& spot, float distance) {
    const double halfAngle = qDegreesToRadians(double(spot.outerAngleInDegrees) / 2.0);
    const double solidAngle = 2.0 * M_PI * (1.0 - std::cos(halfAngle));
    return float(double(spot.lumens) / solidAngle / double(distance * distance));
}

}  // namespace

double Mascot3DScene::fieldOfView(Mascot3DFraming framing) {
    double halfAngle = 5.0, ratio = 1.0;
    switch (framing) {
        case Mascot3DFraming::standard:
            halfAngle = 5.0, ratio = 332.0 / 332.0;
            break;
        case Mascot3DFraming::welcome:
            halfAngle = 9.0, ratio = 652.0 / 332.0;
            break;
        case Mascot3DFraming::about:
            halfAngle = 5.0, ratio = 260.0 / 132.0;
            break;
    }
    return 2.0 * std::atan(std::tan(qDegreesToRadians(halfAngle)) * ratio) * 180.0 / M_PI;
}

float Mascot3DScene::modelScale() const {
    if (!referenceBounds_ || referenceBounds_->empty) return 1.0f;
    const QVector3D e = referenceBounds_->extents();
    const float largest = std::max({e.x(), e.y(), e.z()});
    return largest > 0.0f ? framedExtent / largest : 1.0f;
}

void Mascot3DScene::buildRig() {
    auto make = [this](const char* name) {
        return root_.addChild(std::make_unique<Entity>(QString::fromLatin1(name)));
    };
    camera_ = make("mascot-camera");
    camera_->camera = PerspectiveCamera{};
    key_ = make("mascot-key-light");
    key_->directionalLight = DirectionalLight{};
    fill_ = make("mascot-fill-light");
    environmentLight_ = make("mascot-environment");
    environmentLight_->environmentLighting = EnvironmentLighting{0.0f};
    orbitPivot_ = make("mascot-orbit");
    modelContainer_ =
        orbitPivot_->addChild(std::make_unique<Entity>(QStringLiteral("mascot-model")));
    applyLighting(std::nullopt, false);
    placeCamera();
}

void Mascot3DScene::frameModel() {
    const float scale = modelScale();
    const QVector3D center = referenceBounds_ ? referenceBounds_->center() : QVector3D();
    orbitPivot_->transform.position = center * scale;
    modelContainer_->transform.scale = QVector3D(scale, scale, scale);
    modelContainer_->transform.position = -center * scale;
    placeCamera();
    placeLights();
}

void Mascot3DScene::setViewportSize(QSize size) {
    if (size.isEmpty() || size == viewport_) return;
    viewport_ = size;
    placeCamera();
    Q_EMIT changed();
}

void Mascot3DScene::placeCamera() {
    const double aspect = double(viewport_.width()) / double(viewport_.height());
    const double horizontal = qDegreesToRadians(fieldOfView(framing_));
    const double vertical = 2.0 * std::atan(std::tan(horizontal / 2.0) / aspect);
    camera_->camera->near = 0.01f;
    camera_->camera->far = std::numeric_limits<float>::infinity();
    camera_->camera->fieldOfViewInDegrees = float(qRadiansToDegrees(vertical));

    const FramingFit fit = fitFor(framing_);
    // The mascot's height fills `fill` of the view's height, unless its width would then take more
    // than that share of the view's width.
    QVector3D extents(framedExtent, framedExtent, framedExtent);
    if (referenceBounds_ && !referenceBounds_->empty)
        extents = referenceBounds_->extents() * modelScale();
    const double visibleHeight = 2.0 * std::tan(vertical / 2.0);
    const double byHeight = double(extents.y()) / (fit.fill * visibleHeight);
    const double byWidth =
        double(std::max(extents.x(), extents.z())) / (fit.fill * visibleHeight * aspect);
    const float distance = float(std::max(byHeight, byWidth));
    const QVector3D target =
        orbitPivot_->transform.position + QVector3D(0, fit.aimAbove * framedExtent, 0);
    const float elevation = qDegreesToRadians(cameraElevationDegrees);
    const QVector3D offset(0, std::sin(elevation), std::cos(elevation));
    // The camera stays put; the orbit turns the model instead.
    camera_->look(target, target + offset * distance);
}

void Mascot3DScene::applyLighting(std::optional<WelcomePeriod> period, bool dark) {
    if (hasLighting_ && period == lightingPeriod_ && dark == lightingDark_) return;
    hasLighting_ = true;
    lightingPeriod_ = period;
    lightingDark_ = dark;
    lighting_ = MascotLighting::forPeriod(period, dark);
    key_->directionalLight->color = lighting_.keyColor;
    key_->directionalLight->intensity = lighting_.keyIntensity;
    if (lighting_.fillIntensity) {
        fill_->directionalLight = DirectionalLight{lighting_.fillColor, *lighting_.fillIntensity};
    } else {
        fill_->directionalLight.reset();
    }
    environmentLight_->environmentLighting->weight = lighting_.environmentWeight;
    for (Entity* spot : spots_) spot->removeFromParent();
    spots_.clear();
    for (size_t i = 0; i < lighting_.spots.size() && i < std::size(spotDistances); ++i) {
        auto spot = std::make_unique<Entity>(QStringLiteral("mascot-spot-%1").arg(i + 1));
        spot->spotLight = SpotLight{};
        spots_.push_back(root_.addChild(std::move(spot)));
    }
    placeLights();
    Q_EMIT changed();
}

void Mascot3DScene::placeLights() {
    const float scale = modelScale();
    const QVector3D center = orbitPivot_->transform.position;
    key_->look(center, center + keyDirection.normalized() * 4.0f * scale);
    fill_->look(center, center + fillDirection.normalized() * 4.0f * scale);
    for (size_t i = 0; i < spots_.size(); ++i) {
        const MascotLighting::Spot& spot = lighting_.spots[i];
        const float distance = spotDistances[i] * scale;
        spots_[i]->look(center, center + spotDirections[i].normalized() * distance);
        SpotLight& light = *spots_[i]->spotLight;
        light.color = lighting_.keyColor;
        light.intensity = illuminanceAt(spot, distance);
        light.innerAngleInDegrees = spot.innerAngleInDegrees;
        light.outerAngleInDegrees = spot.outerAngleInDegrees;
        light.attenuationRadius = spot.attenuationRadiusInModelScales * scale;
    }
}

void Mascot3DScene::applyOrbit() {
    const QVector2D angles = orbit_.angles;
    orbitPivot_->transform.rotation =
        QQuaternion::fromAxisAndAngle(1, 0, 0, qRadiansToDegrees(angles.x())) *
        QQuaternion::fromAxisAndAngle(0, 1, 0, qRadiansToDegrees(angles.y()));
}

}  // namespace vostrel
