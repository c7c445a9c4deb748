#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDrag>
#include <QTest>
#include <QtMath>
#include <set>

#include "engine/qr_engine.h"
#include "scene3d/qr3d_scene_builder.h"
#include "ui/editor/preview/flat_symbol_layer.h"
#include "ui/editor/preview/logo_image_chooser.h"
#include "ui/editor/preview/qr3d_preview_view.h"
#include "ui/editor/preview/symbol_canvas.h"
#include "ui/ui_test_support.h"

using namespace vostrel;
using namespace std::chrono_literals;

namespace {

constexpr double quarterTurn = M_PI / 4;

// A preview card on a clock the test moves, in a window of its own.
struct Card {
    ManualTaskClock clock;
    QWidget window;
    SymbolCanvas* canvas = new SymbolCanvas(&window, clock);
    QR3DPreviewView* view = canvas->preview3D();
    ModuleMatrix matrix = QREngine::makeMatrix("tilt me", CorrectionLevel::m).value();

    Card() {
        canvas->setSymbol(matrix, QRStyle{});
        canvas->resize(400, 400);
        window.resize(400, 400);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    const QRPreviewSceneLifetime& lifetime() const { return view->sceneLifetime(); }
    QQuaternion pivotRotation() const {
        const Entity* pivot = lifetime().root().findEntity("qr-tilt-pivot");
        return pivot ? pivot->transform.rotation : QQuaternion();
    }

    // Moves the clock on in spring steps until the spring is done; returns how long it took.
    std::chrono::nanoseconds settle() {
        const auto start = clock.now();
        while (view->isSpringing() && clock.now() - start < 10s) clock.advance(1ms);
        return clock.now() - start;
    }
};

float distance(QVector3D a, QVector3D b) {
    return (a - b).length();
}

// Every colour of every simple material in the tree, as (r, g, b, a) tuples.
std::set<std::tuple<float, float, float, float>> materialColors(const Entity& entity) {
    std::set<std::tuple<float, float, float, float>> colors;
    if (entity.model) {
        for (const MaterialHandle& material : entity.model->materials) {
            if (const auto* simple = std::get_if<SimpleMaterial>(material.get())) {
                const QVector4D c = simple->color;
                colors.insert({c.x(), c.y(), c.z(), c.w()});
            }
        }
    }
    for (const auto& child : entity.children()) colors.merge(materialColors(*child));
    return colors;
}

}  // namespace

// A pan that has to build the scene ignores the travel of its first 60 ms; then 100 px to the
// right turn it a quarter turn about y, and the flat picture is gone after 6.4 px.
TEST(PreviewTilt, TravelTiltsTheSceneAfterItWarmsUp) {
    Card card;
    ASSERT_TRUE(card.lifetime().isDrained());
    card.view->handlePan(PanState::began, {0, 0});
    EXPECT_FALSE(card.lifetime().isDrained());
    card.view->handlePan(PanState::changed, {10, 4});
    EXPECT_EQ(card.view->tilt(), (QR3DPreviewView::Tilt{0, 0}));
    card.clock.advance(60ms);
    EXPECT_FALSE(card.view->isSceneWarming());

    card.view->handlePan(PanState::changed, {16, 4});
    EXPECT_GT(card.view->overlayOpacity(), 0);
    card.view->handlePan(PanState::changed, {16.4, 4});
    EXPECT_EQ(card.view->overlayOpacity(), 0);
    card.view->handlePan(PanState::changed, {110, 4});
    EXPECT_DOUBLE_EQ(card.view->tilt().y, quarterTurn);
    EXPECT_EQ(card.view->tilt().x, 0);
    EXPECT_LT(distance(card.pivotRotation().rotatedVector({1, 0, 0}),
                       {std::cos(quarterTurn), 0, -std::sin(quarterTurn)}),
              1e-6);

    // Turned about x first, then about y.
    card.view->handlePan(PanState::changed, {110, 104});
    const QVector3D up = card.pivotRotation().rotatedVector({0, 1, 0});
    EXPECT_LT(distance(up, {0.5f, std::sqrt(0.5f), 0.5f}), 1e-6);
    // The scene stays while the fingers rest on the trackpad, edits or not.
    QRStyle dots;
    dots.moduleShape = ModuleShape::dot;
    card.canvas->setSymbol(card.matrix, dots);
    card.clock.advance(5s);
    EXPECT_FALSE(card.lifetime().isDrained());
    EXPECT_TRUE(card.pivotRotation() != QQuaternion());
}

// Release: the picture stays hidden while the scene springs back (within 3 s, to exactly
// zero), fades in over 0.25 s, and 1.5 s after settling the scene is gone with every timer.
TEST(PreviewTilt, ReleaseSpringsBackFadesInAndDrains) {
    Card card;
    card.view->handlePan(PanState::began, {0, 0}, PanDevice::keys);
    card.view->handlePan(PanState::changed, {300, -200}, PanDevice::keys);
    card.view->handlePan(PanState::ended, {300, -200}, PanDevice::keys);
    EXPECT_EQ(card.view->overlayMask(), 0);
    EXPECT_EQ(card.view->overlayOpacity(), 0);

    const auto took = card.settle();
    EXPECT_LE(took, 3s);
    EXPECT_GT(took, 400ms);
    EXPECT_EQ(card.view->tilt(), (QR3DPreviewView::Tilt{0, 0}));
    EXPECT_TRUE(card.pivotRotation().isIdentity());
    const double start = card.view->overlayMask();
    card.clock.advance(125ms);
    const double half = card.view->overlayMask();
    EXPECT_LT(start, 0.05);
    EXPECT_GT(half, start);
    EXPECT_LT(half, 0.5);  // easing in: slow first
    card.clock.advance(125ms);
    EXPECT_EQ(card.view->overlayMask(), 1);
    EXPECT_EQ(card.view->overlayOpacity(), 1);

    card.clock.advance(1500ms - 250ms - 1ms);
    EXPECT_FALSE(card.lifetime().isDrained());
    card.clock.advance(1ms);
    EXPECT_TRUE(card.lifetime().isDrained());
    EXPECT_TRUE(card.lifetime().root().children().empty());
    EXPECT_FALSE(card.view->hasPendingTasks());
    EXPECT_EQ(card.clock.pendingCount(), 0);
}

// Edits rebuild a live scene 250 ms after the last of them, and a drained one not at all: the
// next pan builds it from the style of then.
TEST(PreviewTilt, EditsRebuildOnlyALiveScene) {
    Card card;
    QRStyle red;
    red.foreground = {1, 0, 0, 1};
    const quint64 built = card.view->sceneBuildCount();
    card.canvas->setSymbol(card.matrix, red);
    EXPECT_FALSE(card.view->hasPendingTasks());
    card.clock.advance(2s);
    EXPECT_EQ(card.view->sceneBuildCount(), built);
    EXPECT_FALSE(card.view->hasPendingTasks());

    card.view->handlePan(PanState::began, {0, 0});
    EXPECT_EQ(card.view->sceneBuildCount(), built + 1);
    EXPECT_EQ(materialColors(card.lifetime().root()),
              materialColors(*QR3DSceneBuilder::build(card.matrix, red)));
    card.view->handlePan(PanState::ended, {0, 0});
    card.settle();

    QRStyle blue = red;
    blue.foreground = {0, 0, 1, 1};
    card.canvas->setSymbol(card.matrix, QRStyle{});
    card.clock.advance(200ms);
    card.canvas->setSymbol(card.matrix, blue);
    card.clock.advance(249ms);
    EXPECT_EQ(card.view->sceneBuildCount(), built + 1);
    card.clock.advance(1ms);
    EXPECT_EQ(card.view->sceneBuildCount(), built + 2);
    EXPECT_EQ(materialColors(card.lifetime().root()),
              materialColors(*QR3DSceneBuilder::build(card.matrix, blue)));
    // The rebuild restarts the idle countdown.
    card.clock.advance(1499ms);
    EXPECT_FALSE(card.lifetime().isDrained());
    card.clock.advance(1ms);
    EXPECT_TRUE(card.lifetime().isDrained());
}

// Hiding or minimising the window mid-spring drains at once and leaves the card at rest.
TEST(PreviewTilt, HiddenOrMinimisedWindowDrains) {
    for (const bool minimise : {false, true}) {
        SCOPED_TRACE(minimise ? "minimised" : "hidden");
        Card card;
        card.view->handlePan(PanState::began, {0, 0}, PanDevice::keys);
        card.view->handlePan(PanState::changed, {40, 0}, PanDevice::keys);
        card.view->handlePan(PanState::ended, {40, 0}, PanDevice::keys);
        card.clock.advance(100ms);
        ASSERT_TRUE(card.view->isSpringing());
        if (minimise)
            card.window.setWindowState(Qt::WindowMinimized);
        else
            card.window.hide();
        EXPECT_TRUE(card.lifetime().isDrained());
        EXPECT_FALSE(card.view->hasPendingTasks());
        EXPECT_EQ(card.view->tilt(), (QR3DPreviewView::Tilt{0, 0}));
        EXPECT_EQ(card.view->overlayOpacity(), 1);
    }
}

// On the card: Shift + drag and the arrow keys tilt and spring back; the card's other ways in
// still work.
TEST(PreviewTilt, CardTiltsWithShiftDragAndArrowKeysOnly) {
    Card card;
    QTest::mousePress(card.canvas, Qt::LeftButton, Qt::ShiftModifier, {100, 100});
    card.clock.advance(60ms);
    QTest::mouseMove(card.canvas, {150, 100});
    EXPECT_DOUBLE_EQ(card.view->tilt().y, 50 * QR3DPreviewView::radiansPerPixel);
    QTest::mouseRelease(card.canvas, Qt::LeftButton, Qt::ShiftModifier, {150, 100});
    EXPECT_TRUE(card.view->isSpringing());
    card.settle();
    EXPECT_EQ(card.view->tilt(), (QR3DPreviewView::Tilt{0, 0}));

    card.canvas->setFocus();
    QTest::keyPress(card.canvas, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(card.view->tilt().x, -16 * QR3DPreviewView::radiansPerPixel);
    QTest::keyRelease(card.canvas, Qt::Key_Up);
    EXPECT_TRUE(card.view->isSpringing());
    card.settle();
    EXPECT_EQ(card.view->tilt(), (QR3DPreviewView::Tilt{0, 0}));
    card.clock.advance(2s);
    EXPECT_TRUE(card.lifetime().isDrained());

    // A plain drag drags the symbol out without tilting anything, and the logo button stays on
    // top.
    QTest::mousePress(card.canvas, Qt::LeftButton, Qt::NoModifier, {100, 100});
    QTest::mouseMove(card.canvas, {160, 100});  // the offscreen platform ends the drag at once
    EXPECT_TRUE(card.canvas->findChild<QDrag*>());
    QTest::mouseRelease(card.canvas, Qt::LeftButton, Qt::NoModifier, {160, 100});
    EXPECT_TRUE(card.lifetime().isDrained());
    EXPECT_EQ(card.view->tilt(), (QR3DPreviewView::Tilt{0, 0}));

    QRStyle withLogo;
    withLogo.logoOverlay = vostrelMascotLogo();
    card.canvas->setSymbol(card.matrix, withLogo);
    QAbstractButton* replace = card.canvas->replaceLogoButton();
    ASSERT_TRUE(replace->isVisible());
    EXPECT_EQ(card.canvas->childAt(replace->geometry().center()), replace);
}
