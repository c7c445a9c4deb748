#include <gtest/gtest.h>

#include <QTest>

#include "engine/qr_engine.h"
#include "render3d/offscreen_scene_renderer.h"
#include "render3d/scene_view.h"
#include "scene3d/qr3d_scene_builder.h"
#include "support/image_difference.h"

namespace vostrel {
namespace {

// The widget shows a tree exactly as the offscreen renderer draws it, keeps drawing after its GPU
// objects were released, and shows only its background without a tree.
TEST(SceneView, DrawsTheTreeAsTheOffscreenRendererDoes) {
    ASSERT_TRUE(SceneView::openGLAvailable());
    const ModuleMatrix matrix = QREngine::makeMatrix("scene view", CorrectionLevel::m).value();
    const auto root = QR3DSceneBuilder::build(matrix, QRStyle{});
    root->findEntity("qr-tilt-pivot")->transform.rotation =
        QQuaternion::fromEulerAngles(10.0f, 20.0f, 0.0f);
    const QColor background(250, 240, 200);

    SceneView view(0);
    view.setScene(root.get());
    view.setBackground(background);
    view.resize(300, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QImage shown = view.grab().toImage();
    ASSERT_TRUE(view.isUsable()) << view.errorString().toStdString();

    OffscreenSceneRenderer offscreen(0);
    ASSERT_TRUE(offscreen.isValid());
    const QImage expected = offscreen.render(*root, shown.size(), background);
    const auto difference =
        testing::imageDifference(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                 expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_LE(difference.mean, 0.5);
    EXPECT_NE(shown.pixelColor(shown.width() / 2, shown.height() / 2), background);

    view.releaseResources();
    const QImage again = view.grab().toImage();
    EXPECT_EQ(testing::imageDifference(again, shown).maximum, 0);

    view.setScene(nullptr);
    const QImage empty = view.grab().toImage();
    EXPECT_EQ(empty.pixelColor(empty.width() / 2, empty.height() / 2), background);
}

}  // namespace
}  // namespace vostrel
