// The mascot's real model files, read with tinygltf and played through the animation controller.

#include <gtest/gtest.h>

#include <QFile>

#include "scene3d/animation_playback.h"
#include "scene3d/gltf_scene.h"

namespace vostrel {
namespace {

QByteArray modelBytes(const QString& clip) {
    QFile file(QStringLiteral(VOSTREL_MASCOT_MODELS "/VostrelMascot-%1.glb").arg(clip));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

GltfScene loadModel(const QString& clip) {
    auto scene = parseGltf(modelBytes(clip));
    EXPECT_TRUE(scene.hasValue()) << scene.error().toStdString();
    return scene ? std::move(*scene) : GltfScene{};
}

float rootHeight(const Entity& model) {
    return model.transform.position.y();
}

TEST(GltfSceneTest, ReadsTheMascotWithAClipThatPlaysAndRejectsOtherBytes) {
    const GltfScene scene = loadModel("hop");
    auto model = scene.instantiate();
    EXPECT_EQ(model->name, "vostrel");
    for (const char* part : {"body", "head", "antenna-l", "hind-leg-r", "hind-shin-r"}) {
        EXPECT_NE(model->findEntity(part), nullptr) << part;
    }
    const Bounds bounds = model->visualBounds();
    ASSERT_FALSE(bounds.empty);
    EXPECT_NEAR(bounds.min.y(), 0.0f, 0.05f);  // standing on the ground
    EXPECT_GT(bounds.extents().y(), 0.8f);
    ASSERT_EQ(scene.animations.size(), 1u);
    EXPECT_EQ(scene.animations[0].name, "hop");
    EXPECT_NEAR(scene.animations[0].clipDuration, 1.2, 1e-4);

    // The hop leaves the ground and lands while the controller keeps time.
    auto hop = playAnimation(*model, scene.animations[0]);
    EXPECT_DOUBLE_EQ(hop->duration(), scene.animations[0].clipDuration);

    float crouch = 1.0f, peak = 0.0f;
    Entity* body = model->findEntity("body");
    for (int frame = 0; frame < 80; ++frame) {
        hop->advance(1.0 / 60.0);
        if (hop->time() < 0.3) crouch = std::min(crouch, body->transform.position.y());
        peak = std::max(peak, rootHeight(*model));
    }
    EXPECT_LT(crouch, -0.05f);  // it gathers itself before the jump
    EXPECT_GT(peak, 0.4f);
    EXPECT_TRUE(hop->isComplete());
    EXPECT_NEAR(rootHeight(*model), 0.0f, 1e-3f);

    hop->setTime(0.5);
    const float midAir = rootHeight(*model);
    hop->pause();
    hop->advance(0.2);
    EXPECT_DOUBLE_EQ(hop->time(), 0.5);
    EXPECT_FLOAT_EQ(rootHeight(*model), midAir);
    hop->resume();
    hop->setSpeed(2.0f);
    hop->advance(0.1);
    EXPECT_NEAR(hop->time(), 0.7, 1e-9);
    hop->stop();
    hop->advance(0.1);
    EXPECT_NEAR(hop->time(), 0.7, 1e-9);

    EXPECT_FALSE(parseGltf(QByteArray("glTF\x02\0\0\0garbage", 15)).hasValue());
    EXPECT_FALSE(parseGltf(QByteArray("{\"asset\": 12}")).hasValue());
    EXPECT_FALSE(parseGltf(modelBytes("idle").left(4000)).hasValue());
}

TEST(AnimationPlaybackTest, RepeatedClipLoopsAndTransitionBlendsFromTheOldPose) {
    const GltfScene scene = loadModel("idle");
    auto model = scene.instantiate();
    const AnimationResource idle = scene.animations[0];
    auto looping = playAnimation(*model, idle.repeat());
    EXPECT_TRUE(std::isinf(looping->duration()));
    looping->setTime(0.4);
    const QVector3D early = model->findEntity("body")->transform.scale;
    looping->setTime(0.4 + 2 * idle.clipDuration);
    EXPECT_TRUE(qFuzzyCompare(model->findEntity("body")->transform.scale, early));
    EXPECT_FALSE(looping->isComplete());

    Pose raised = capturePose(*model);
    raised["body"].position = {0, 1, 0};
    raised["hind-leg-l"].rotation = QQuaternion::fromAxisAndAngle(0, 0, 1, 40);
    const Transform legAtRest = model->findEntity("hind-leg-l")->transform;
    auto blended = playAnimation(*model, idle.repeat(), 0.4, raised);
    EXPECT_NEAR(model->findEntity("body")->transform.position.y(), 1.0f, 1e-4f);
    blended->advance(0.2);
    const float halfway = model->findEntity("body")->transform.position.y();
    EXPECT_GT(halfway, 0.3f);
    EXPECT_LT(halfway, 0.7f);
    blended->advance(0.3);
    EXPECT_LT(model->findEntity("body")->transform.position.y(), 0.05f);
    // The idle clip does not move the hind leg: it settles back to rest all the same.
    EXPECT_TRUE(
        qFuzzyCompare(model->findEntity("hind-leg-l")->transform.rotation, legAtRest.rotation));
}

}  // namespace
}  // namespace vostrel
