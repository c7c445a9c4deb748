#include <gtest/gtest.h>

#include <QDir>
#include <QtMath>

#include "common/raw_enum.h"
#include "engine/qr_engine.h"
#include "render3d/offscreen_scene_renderer.h"
#include "scene3d/qr3d_scene_builder.h"
#include "support/qr_decoding.h"

namespace vostrel {
namespace {

const QString payload = QStringLiteral("https://vostrel.example/3d?scene=tilt");

ModuleMatrix payloadMatrix() {
    return QREngine::makeMatrix(payload, CorrectionLevel::m).value();
}

QImage logoPicture() {
    QImage picture(128, 128, QImage::Format_ARGB32);
    picture.fill(QColor(230, 90, 20));
    return picture;
}

class SceneRenderTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { renderer_ = new OffscreenSceneRenderer; }
    static void TearDownTestSuite() {
        delete renderer_;
        renderer_ = nullptr;
    }

    // The scene drawn head-on at 800 px over the style's background, through a ten times longer
    // lens than the builder's own camera. From that camera the finder pips (7.5 modules tall)
    // lean outward in perspective far enough that ZXing rejects the finders (zbar reads them);
    // from afar the picture is nearly orthographic and shows exactly where everything stands.
    static QImage expectDecodes(const QRStyle& style, const QString& label) {
        const auto root = QR3DSceneBuilder::build(payloadMatrix(), style);
        Entity* camera = root->findEntity("qr-camera");
        camera->camera->fieldOfViewInDegrees = 2.0f;
        camera->transform.position *=
            float(std::tan(qDegreesToRadians(10.0)) / std::tan(qDegreesToRadians(1.0)));
        const QImage image = renderer_->render(*root, {800, 800}, style.background.toQColor());
        EXPECT_FALSE(image.isNull()) << label.toStdString();
        const QImage upright = style.flipVertical ? testing::mirroredTopToBottom(image) : image;
        if (testing::decodeQr(upright) != payload) {
            const QString path = QDir::temp().filePath(QStringLiteral("scene3d-%1.png").arg(label));
            image.save(path);
            ADD_FAILURE() << label.toStdString() << " did not decode; picture in "
                          << path.toStdString();
        }
        return image;
    }

    static inline OffscreenSceneRenderer* renderer_ = nullptr;
};

TEST_F(SceneRenderTest, HeadOnPictureDecodesForEveryModuleShapeGradientAndLogo) {
    ASSERT_TRUE(renderer_->isValid()) << renderer_->errorString().toStdString();
    QRStyle style;
    for (ModuleShape shape : {ModuleShape::square, ModuleShape::dot, ModuleShape::squircle}) {
        style.moduleShape = shape;
        expectDecodes(style, rawValue(shape));
    }
    style.gradient = GradientStyle{CodableColor{0.1, 0.2, 0.6, 1.0}, GradientDirection::diagonal};
    style.flipVertical = false;
    expectDecodes(style, QStringLiteral("gradient"));
    style.logoOverlay = makeLogoOverlay(logoPicture());
    style.logoOverlay->shape = LogoShape::circle;
    const QImage withLogo = expectDecodes(style, QStringLiteral("logo"));
    // The logo floats in front of the symbol, so its colour shows in the middle.
    EXPECT_EQ(withLogo.pixelColor(400, 400), QColor(230, 90, 20));
    EXPECT_EQ(renderer_->takeGlErrors(), "");
}

// Large groups of plain boxes are drawn by the faces they turn to the camera; each box given a
// material of its own is drawn whole. Seen from the front and from behind, both must agree,
// and each tilt turns the symbol.
TEST_F(SceneRenderTest, BoxesDrawnByTheirVisibleFacesLookLikeWholeBoxes) {
    ASSERT_TRUE(renderer_->isValid()) << renderer_->errorString().toStdString();
    const QRStyle style;
    // Version 10: some 1,300 modules, enough for the drawing by faces.
    const ModuleMatrix matrix =
        QREngine::makeMatrix(QString(250, QLatin1Char('x')), CorrectionLevel::l).value();
    QImage previous;
    for (const QPointF tilt : {QPointF(25, 8), QPointF(-15, -30), QPointF(160, 10)}) {
        const auto grouped = QR3DSceneBuilder::build(matrix, style);
        const auto separate = QR3DSceneBuilder::build(matrix, style);
        for (Entity* root : {grouped.get(), separate.get()}) {
            root->findEntity("qr-tilt-pivot")->transform.rotation =
                QQuaternion::fromEulerAngles(float(tilt.x()), float(tilt.y()), 0.0f);
        }
        for (const auto& module : separate->findEntity("qr-tilt-pivot")->children()) {
            if (!module->model) continue;
            module->model->materials = {
                std::make_shared<const Material>(*module->model->materials.front())};
        }
        const QImage split = renderer_->render(*grouped, {400, 400}, Qt::white);
        const QImage whole = renderer_->render(*separate, {400, 400}, Qt::white);
        ASSERT_EQ(split.size(), whole.size());
        int differing = 0;
        int drawn = 0;
        for (int y = 0; y < split.height(); ++y) {
            for (int x = 0; x < split.width(); ++x) {
                differing += split.pixel(x, y) != whole.pixel(x, y);
                drawn += split.pixel(x, y) != qRgb(255, 255, 255);
            }
        }
        // Sides thinner than half a pixel are left out: a few pixels along box edges may differ.
        EXPECT_LE(differing, drawn / 200) << "tilt " << tilt.x() << ", " << tilt.y();
        EXPECT_GT(drawn, 400 * 400 / 5) << "tilt " << tilt.x() << ", " << tilt.y();
        EXPECT_NE(split, previous) << "each tilt turns the symbol";
        previous = split;
    }
    EXPECT_EQ(renderer_->takeGlErrors(), "");
}

}  // namespace
}  // namespace vostrel
