// The mascot's scene with its real models: loading failures, the order of clips, hops, pausing,
// lighting, framing and the orbit; and the confetti's pieces.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "companions/confetti_burst.h"
#include "companions/mascot3d_scene.h"
#include "companions/mascot_model_files.h"

namespace vostrel {
namespace {

using Kind = Mascot3DAssets::LoadError::Kind;

void waitForLoad(Mascot3DScene& scene) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return scene.isReady() || scene.loadFailed(); }, 10000));
}

std::unique_ptr<Mascot3DScene> readyScene(Mascot3DFraming framing = Mascot3DFraming::welcome) {
    auto scene = std::make_unique<Mascot3DScene>(framing);
    scene->load();
    waitForLoad(*scene);
    EXPECT_TRUE(scene->isReady());
    return scene;
}

// Steps the scene at 60 frames a second.
void run(Mascot3DScene& scene, double seconds) {
    for (double t = 0; t < seconds - 1e-9; t += 1.0 / 60.0) scene.advance(1.0 / 60.0);
}

void expectLoadFails(const QStringList& roots, Kind kind, const QString& name) {
    Mascot3DScene scene(Mascot3DFraming::welcome);
    scene.load(roots);
    waitForLoad(scene);
    EXPECT_TRUE(scene.loadFailed());
    EXPECT_FALSE(scene.isReady());
    ASSERT_TRUE(scene.loadError());
    EXPECT_EQ(scene.loadError()->kind, kind);
    EXPECT_EQ(scene.loadError()->name, name);
}

TEST(Mascot3DSceneTest, MissingUnreadableOrStillModelsFailWithTheirName) {
    QTemporaryDir missing;
    testing::copyModelsBut(missing.path(), MascotClip::arrive);
    expectLoadFails({missing.path()}, Kind::missingResource, "VostrelMascot-arrive");
    QFile notAModel(missing.filePath("VostrelMascot-arrive.glb"));
    ASSERT_TRUE(notAModel.open(QIODevice::WriteOnly));
    notAModel.write("not a model");
    notAModel.close();
    expectLoadFails({missing.path()}, Kind::unreadableModel, "VostrelMascot-arrive");

    // A model without animations, written by tinygltf itself, is looked up under "Mascot/".
    QTemporaryDir still;
    ASSERT_TRUE(QDir(still.path()).mkdir("Mascot"));
    testing::copyModelsBut(still.path(), MascotClip::idle);
    testing::writeModelWithoutAnimations(MascotClip::idle,
                                         still.filePath("Mascot/VostrelMascot-idle.glb"));
    expectLoadFails({still.path(), still.filePath("Mascot")}, Kind::missingAnimation,
                    "VostrelMascot-idle");
}

TEST(Mascot3DSceneTest, ArrivesThenGreetsWithTheGreetingAskedForEarly) {
    Mascot3DScene scene(Mascot3DFraming::welcome);
    scene.requestGreeting(MascotClip::hello);
    scene.load();
    waitForLoad(scene);
    EXPECT_TRUE(scene.isHoldingEntrance());
    EXPECT_EQ(scene.pendingGreeting(), MascotClip::hello);
    scene.frameRendered();
    scene.frameRendered();
    scene.advance(1.0 / 60.0);
    EXPECT_EQ(scene.activeClip(), MascotClip::arrive);
    run(scene, 1.75);
    EXPECT_EQ(scene.activeClip(), MascotClip::arrive);
    run(scene, 0.1);
    EXPECT_EQ(scene.activeClip(), MascotClip::hello);
    EXPECT_FALSE(scene.pendingGreeting());
    run(scene, 2.3);
    EXPECT_EQ(scene.activeClip(), MascotClip::idle);
    EXPECT_FALSE(scene.returnToIdleIn());
}

// Pausing in the middle of the second hop holds its time and pose, and the return to idle with it.
TEST(Mascot3DSceneTest, TwoQuickHopsRestartTheHopPausingHoldsItAndIdleReturnsOnceAfterTheLast) {
    auto scene = readyScene();
    run(*scene, 0.6);
    scene->play(MascotClip::idle);
    QSignalSpy clips(scene.get(), &Mascot3DScene::activeClipChanged);
    scene->hop();
    run(*scene, 0.5);
    scene->hop();
    ASSERT_EQ(scene->playback().size(), 1u);
    EXPECT_DOUBLE_EQ(scene->playback().front()->time(), 0.0);
    EXPECT_NEAR(*scene->returnToIdleIn(), 1.2, 1e-3);

    run(*scene, 0.4);
    const double time = scene->playback().front()->time();
    const float height = scene->model(MascotClip::hop)->transform.position.y();
    scene->setAnimationEnabled(false);
    EXPECT_FALSE(scene->wantsFrames());
    run(*scene, 5.0);
    EXPECT_DOUBLE_EQ(scene->playback().front()->time(), time);
    EXPECT_EQ(scene->model(MascotClip::hop)->transform.position.y(), height);
    EXPECT_EQ(scene->activeClip(), MascotClip::hop);
    scene->setAnimationEnabled(true);
    scene->advance(0.1);
    EXPECT_NEAR(scene->playback().front()->time(), time + 0.1, 1e-9);

    run(*scene, 0.6);
    EXPECT_EQ(scene->activeClip(), MascotClip::hop);
    run(*scene, 0.2);
    EXPECT_EQ(scene->activeClip(), MascotClip::idle);
    run(*scene, 3.0);
    ASSERT_EQ(clips.size(), 3);
    EXPECT_EQ(clips[2][0].value<MascotClip>(), MascotClip::idle);
}

TEST(Mascot3DSceneTest, FramesTheModelInsideThePictureAndLightsItWithoutReloading) {
    auto scene = readyScene(Mascot3DFraming::about);
    run(*scene, 0.6);
    scene->play(MascotClip::idle);
    run(*scene, 0.5);  // past the blend from the entrance
    const Bounds bounds = scene->root().findEntity("mascot-model")->visualBounds();
    const QVector3D e = bounds.extents();
    EXPECT_NEAR(std::max({e.x(), e.y(), e.z()}), 1.6f, 0.03f);  // breathing aside
    // The whole mascot is in front of the camera and inside its picture.
    scene->setViewportSize(QSize(260, 132));
    const QMatrix4x4 view = scene->camera().worldMatrix().inverted();
    const float tanHalf =
        std::tan(qDegreesToRadians(scene->camera().camera->fieldOfViewInDegrees / 2));
    for (const QVector3D& corner : bounds.corners()) {
        const QVector3D p = view.map(corner);
        ASSERT_LT(p.z(), 0.0f);
        EXPECT_LT(std::abs(p.y() / -p.z()), tanHalf);
        EXPECT_LT(std::abs(p.x() / -p.z()), tanHalf * 260.0f / 132.0f);
    }

    // Lighting follows the period and the appearance without reloading.
    using enum WelcomePeriod;
    scene->applyLighting(afternoon, false);
    const Entity* idle = scene->model(MascotClip::idle);
    const Entity* key = scene->root().findEntity("mascot-key-light");
    EXPECT_EQ(key->directionalLight->intensity, 2000.0f);
    const Entity* spot = scene->root().findEntity("mascot-spot-1");
    ASSERT_TRUE(spot && spot->spotLight);
    EXPECT_NEAR(spot->spotLight->attenuationRadius, 16.0f * scene->modelScale(), 1e-4f);
    scene->applyLighting(afternoon, true);
    EXPECT_EQ(key->directionalLight->intensity, 1500.0f);
    EXPECT_EQ(scene->model(MascotClip::idle), idle);
    EXPECT_FALSE(scene->loadFailed());
}

TEST(MascotOrbitTest, FollowsThePanThenEasesBackOrSnapsBackWithReducedMotion) {
    MascotOrbit orbit;
    orbit.pan(MascotOrbit::Phase::began, {}, false);
    orbit.pan(MascotOrbit::Phase::changed, QSizeF(100, 20), false);
    EXPECT_NEAR(orbit.angles.y(), M_PI / 4, 1e-5);
    EXPECT_NEAR(orbit.angles.x(), M_PI / 20, 1e-5);
    orbit.pan(MascotOrbit::Phase::changed, QSizeF(100, 400), false);
    EXPECT_EQ(orbit.angles.x(), MascotOrbit::maxTilt);
    orbit.pan(MascotOrbit::Phase::ended, QSizeF(100, 400), false);
    orbit.advance(0.3);
    EXPECT_NEAR(orbit.angles.y(), M_PI / 4, 1e-5);  // a moment's pause before turning back
    orbit.advance(0.5);
    EXPECT_GT(orbit.angles.y(), 0.0f);
    EXPECT_LT(orbit.angles.y(), M_PI / 4);
    orbit.advance(0.5);
    EXPECT_TRUE(orbit.isAtRest());

    orbit.pan(MascotOrbit::Phase::began, {}, true);
    orbit.pan(MascotOrbit::Phase::changed, QSizeF(-60, 0), true);
    orbit.pan(MascotOrbit::Phase::ended, QSizeF(-60, 0), true);
    EXPECT_TRUE(orbit.isAtRest());
}

TEST(ConfettiBurstTest, PiecesStayWithinTheirRangesAndUseTheSixColours) {
    std::mt19937 random(7);
    const auto pieces = ConfettiBurst::makePieces(400, [&] { return quint32(random()); });
    ASSERT_EQ(pieces.size(), 400);
    QSet<QRgb> colours;
    for (const ConfettiPiece& piece : pieces) {
        EXPECT_TRUE(std::abs(piece.dx) <= 72.0 && piece.dy >= 36.0 && piece.dy <= 124.0);
        EXPECT_LE(std::abs(piece.rotation), 200.0);
        EXPECT_TRUE(piece.size.width() >= 4 && piece.size.width() <= 7);
        EXPECT_TRUE(piece.size.height() >= 8 && piece.size.height() <= 13);
        colours.insert(piece.color.rgb());
    }
    EXPECT_EQ(colours.size(), 6);
    EXPECT_EQ(ConfettiBurst::progress(0.0), 0.0);
    EXPECT_EQ(ConfettiBurst::progress(0.9), 1.0);
    EXPECT_GT(ConfettiBurst::progress(0.3), 0.5);  // eases out: most of the way early
}

}  // namespace
}  // namespace vostrel
