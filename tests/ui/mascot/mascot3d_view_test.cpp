// The mascot on screen, under Xvfb with Mesa's software OpenGL: broken models leave the
// placeholder and every action working, the cricket is really drawn, and a minimised or closed
// window stops its clock and resumes where it stopped.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "companions/mascot_model_files.h"
#include "companions/occasion.h"
#include "render3d/scene_view.h"
#include "ui/about/about_view.h"
#include "ui/mascot/mascot3d_view.h"
#include "ui/mascot/mascot_area.h"
#include "ui/ui_test_support.h"
#include "ui/welcome/welcome_view.h"

namespace vostrel {
namespace {

struct Welcome {
    int startedFresh = 0;
    WelcomeView view{WelcomeView::Actions{
        [this] { ++startedFresh; },
        [](WelcomeView*) {},
        [](const QString&) -> Expected<void, QString> { return {}; },
        [] { return QStringList(); },
    }};
};

bool showAndSettle(QWidget& window, Mascot3DView& view) {
    window.show();
    return QTest::qWaitForWindowExposed(&window) &&
           QTest::qWaitFor([&] { return view.scene().isReady() || view.failed(); }, 15000);
}

TEST(Mascot3DView, MissingOrStillModelsLeaveThePlaceholderAndEveryActionWorking) {
    ASSERT_TRUE(SceneView::openGLAvailable());
    QTemporaryDir withoutArrive;
    testing::copyModelsBut(withoutArrive.path(), MascotClip::arrive);
    Welcome welcome;
    MascotArea* mascot = welcome.view.mascot();
    mascot->mascot3D()->setModelSearchRoots({withoutArrive.path()});
    ASSERT_TRUE(showAndSettle(welcome.view, *mascot->mascot3D()));
    EXPECT_TRUE(mascot->mascot3D()->failed());
    EXPECT_FALSE(mascot->showsMascot3D());
    EXPECT_FALSE(mascot->mascot3D()->isVisible());
    EXPECT_FALSE(mascot->mascot3D()->isAnimating());
    QTest::mouseClick(mascot, Qt::LeftButton);
    EXPECT_EQ(mascot->jumpTrigger(), 1);
    testing::findByName<QPushButton>(&welcome.view, "Start fresh")->click();
    EXPECT_EQ(welcome.startedFresh, 1);

    // A model that stands still: the hop model written again by tinygltf without its clip.
    QTemporaryDir still;
    testing::copyModelsBut(still.path(), MascotClip::hop);
    testing::writeModelWithoutAnimations(MascotClip::hop, still.filePath("VostrelMascot-hop.glb"));
    ActiveOccasions birthday;
    birthday.events << builtInOccasions().first();
    AboutView about({}, {}, birthday);
    about.mascot()->mascot3D()->setModelSearchRoots({still.path()});
    ASSERT_TRUE(showAndSettle(about, *about.mascot()->mascot3D()));
    EXPECT_EQ(about.mascot()->mascot3D()->scene().loadError()->kind,
              Mascot3DAssets::LoadError::Kind::missingAnimation);
    EXPECT_FALSE(about.mascot()->showsMascot3D());
    QTest::mouseClick(about.mascot(), Qt::LeftButton);
    EXPECT_EQ(about.mascot()->jumpTrigger(), 1);
    EXPECT_EQ(about.mascot()->confettiTrigger(), 1);
    EXPECT_EQ(about.mascot()->confetti().size(), MascotArea::confettiPieces);
}

TEST(Mascot3DView, DrawsTheCricketAndPausesWhileTheWindowIsMinimisedOrClosed) {
    Welcome welcome;
    MascotArea* mascot = welcome.view.mascot();
    Mascot3DView* view = mascot->mascot3D();
    ASSERT_TRUE(showAndSettle(welcome.view, *view));
    ASSERT_TRUE(mascot->showsMascot3D());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return view->scene().activeClip() != MascotClip::arrive; }, 15000));

    // The cricket's green where it stands, and the meadow around it.
    auto* sceneView = view->findChild<SceneView*>();
    ASSERT_NE(sceneView, nullptr);
    const QImage frame = sceneView->grab().toImage();
    int green = 0, other = 0;
    for (int y = 0; y < frame.height(); y += 4) {
        for (int x = 0; x < frame.width(); x += 4) {
            const QColor c = frame.pixelColor(x, y);
            if (c.green() > c.red() + 40 && c.green() > c.blue() + 60)
                ++green;
            else
                ++other;
        }
    }
    const int samples = (frame.width() / 4) * (frame.height() / 4);
    EXPECT_GT(green, samples / 20);
    EXPECT_GT(other, samples / 3);

    QTest::mouseClick(mascot, Qt::LeftButton);
    EXPECT_EQ(view->scene().activeClip(), MascotClip::hop);
    welcome.view.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isAnimating(); }, 5000));
    const double stoppedAt = view->scene().playback().front()->time();
    QTest::qWait(300);
    EXPECT_EQ(view->scene().playback().front()->time(), stoppedAt);
    EXPECT_EQ(view->scene().activeClip(), MascotClip::hop);

    welcome.view.showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isAnimating(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return view->scene().playback().front()->time() > stoppedAt; }, 5000));
    EXPECT_LT(view->scene().playback().front()->time(), stoppedAt + 0.5);

    // Closed and opened again, the window gets a new GL view and the mascot carries on.
    const int generation = view->rendererGeneration();
    welcome.view.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isAnimating(); }, 5000));
    welcome.view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&welcome.view));
    EXPECT_EQ(view->rendererGeneration(), generation + 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->isAnimating(); }, 5000));

    // A darker palette relights the same models.
    const Entity* idle = view->scene().model(MascotClip::idle);
    QPalette dark = welcome.view.palette();
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x30));
    welcome.view.setPalette(dark);
    EXPECT_TRUE(view->scene().lightingDark());
    EXPECT_EQ(view->scene().model(MascotClip::idle), idle);
}

}  // namespace
}  // namespace vostrel
