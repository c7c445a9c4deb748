#include <gtest/gtest.h>

#include <QTest>

#include "engine/qr_engine.h"
#include "render3d/scene_view.h"
#include "support/image_difference.h"
#include "support/qr_decoding.h"
#include "ui/editor/preview/qr3d_preview_view.h"
#include "ui/editor/preview/symbol_canvas.h"

using namespace vostrel;
using namespace std::chrono_literals;

namespace {

const QString payload = QStringLiteral("https://vostrel.example/tilt");

// The share of the symbol's area that is dark.
double darkShare(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2) dark += qGray(image.pixel(x, y)) < 96;
    return dark / (area.width() / 2.0 * area.height() / 2.0);
}

}  // namespace

// With OpenGL: at rest the card shows the flat picture, which decodes; mid-tilt the scene view
// shows the turned scene instead; after the spring-back the card is exactly as at rest.
TEST(PreviewTiltOnScreen, TiltShowsTheSceneAndSpringsBackToTheSamePicture) {
    ASSERT_TRUE(SceneView::openGLAvailable());
    ManualTaskClock clock;
    QWidget window;
    auto* canvas = new SymbolCanvas(&window, clock);
    canvas->resize(440, 440);
    window.resize(440, 440);
    QRStyle style;
    style.background = {0.85, 0.92, 1.0, 1.0};  // unlike the card, so that its corners show
    canvas->setSymbol(QREngine::makeMatrix(payload, CorrectionLevel::m).value(), style);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage rest = canvas->grab().toImage();
    EXPECT_EQ(vostrel::testing::decodeQr(rest), payload);
    const QRect symbol = canvas->symbolRect().toAlignedRect();

    QR3DPreviewView* view = canvas->preview3D();
    view->handlePan(PanState::began, {0, 0});
    ASSERT_TRUE(view->sceneView());
    clock.advance(60ms);
    view->handlePan(PanState::changed, {50, 30});
    const QImage tilted = canvas->grab().toImage();
    ASSERT_TRUE(view->sceneView()->isUsable()) << view->sceneView()->errorString().toStdString();
    EXPECT_EQ(view->overlayOpacity(), 0);
    EXPECT_GT(vostrel::testing::imageDifference(tilted, rest).mean, 5);
    // The scene, not an empty view: its modules and their shaded sides darken much of it.
    EXPECT_GT(darkShare(tilted, symbol), 0.2);
    // The scene's square keeps the picture's rounded corners: the card shows in them.
    EXPECT_EQ(tilted.pixel(symbol.topLeft()), rest.pixel(symbol.topLeft()));
    if (qEnvironmentVariableIsSet("VOSTREL_TEST_PICTURES")) {
        const QString folder = qEnvironmentVariable("VOSTREL_TEST_PICTURES");
        rest.save(folder + "/tilt-rest.png");
        tilted.save(folder + "/tilt-mid.png");
    }

    view->handlePan(PanState::ended, {50, 30});
    clock.advance(3s);
    EXPECT_EQ(view->overlayOpacity(), 1);
    EXPECT_FALSE(view->sceneView()->isVisible());
    QTest::qWait(20);
    EXPECT_EQ(vostrel::testing::imageDifference(canvas->grab().toImage(), rest).maximum, 0);
    clock.advance(2s);
    EXPECT_TRUE(view->sceneLifetime().isDrained());
    EXPECT_EQ(vostrel::testing::imageDifference(canvas->grab().toImage(), rest).maximum, 0);
}
