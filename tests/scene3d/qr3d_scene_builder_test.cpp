#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <set>

#include "scene3d/mesh_measures.h"
#include "scene3d/qr3d_scene_builder.h"

namespace vostrel {
using namespace testing;
namespace {

using namespace QR3DSceneBuilder;

ModuleMatrix darkMatrix(int n) {
    return ModuleMatrix(n, std::vector<bool>(n, true));
}

QRStyle plainStyle(ModuleShape shape = ModuleShape::square) {
    QRStyle style;
    style.moduleShape = shape;
    style.quietZoneModules = 0;
    return style;
}

// The model entities on the pivot without a name: the module boxes when no finder failed.
std::vector<const Entity*> unnamedModels(const Entity& root) {
    std::vector<const Entity*> models;
    for (const auto& child : root.findEntity("qr-tilt-pivot")->children()) {
        if (child->name.isEmpty() && child->model) models.push_back(child.get());
    }
    return models;
}

int countNamed(const Entity& root, const QString& name) {
    const Entity* pivot = root.findEntity("qr-tilt-pivot");
    return int(std::count_if(pivot->children().begin(), pivot->children().end(),
                             [&](const auto& child) { return child->name == name; }));
}

QByteArray pngOf(QColor colour) {
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

TEST(QR3DSceneBuilderTest, CameraFramesTheSymbolAndTheTopLeftCellSitsAtTheCorner) {
    QRStyle style = plainStyle(ModuleShape::dot);
    style.quietZoneModules = 4;
    const auto root = build(darkMatrix(21), style);
    const Entity* camera = root->findEntity("qr-camera");
    ASSERT_TRUE(camera && camera->camera);
    EXPECT_NEAR(camera->transform.position.z(), 82.23f, 0.01f);
    for (const char* light : {"qr-key-light", "qr-fill-light"}) {
        const Entity* entity = root->findEntity(light);
        EXPECT_TRUE(entity && entity->directionalLight) << light;
    }

    style.quietZoneModules = 0;
    const auto flush = build(darkMatrix(21), style);
    const Entity* first = unnamedModels(*flush).front();
    EXPECT_EQ(first->transform.position, QVector3D(-10.0f, 10.0f, 0.5f));
    EXPECT_TRUE(build({}, style)->children().empty());
}

TEST(QR3DSceneBuilderTest, HorizontalGradientGivesOneMaterialPerColumn) {
    QRStyle style = plainStyle();
    style.foreground = CodableColor::black();
    style.gradient = GradientStyle{CodableColor{1.0, 0.0, 0.0, 1.0}, GradientDirection::horizontal};
    const auto root = build(darkMatrix(21), style);
    std::map<float, std::set<const Material*>> materialsByColumn;
    std::set<const Material*> all;
    for (const Entity* module : unnamedModels(*root)) {
        const Material* material = module->model->materials.front().get();
        materialsByColumn[module->transform.position.x()].insert(material);
        all.insert(material);
    }
    EXPECT_EQ(materialsByColumn.size(), 21u);
    for (const auto& [x, materials] : materialsByColumn) EXPECT_EQ(materials.size(), 1u) << x;
    EXPECT_EQ(all.size(), 21u);
    const auto& last = std::get<SimpleMaterial>(**materialsByColumn.rbegin()->second.begin());
    EXPECT_EQ(last.color, QVector4D(1, 0, 0, 1));
}

TEST(QR3DSceneBuilderTest, SquareModulesVaryInHeightWhileRoundedOnesStandAtOne) {
    ModuleMatrix checkered = darkMatrix(25);
    for (int r = 0; r < 25; ++r) {
        for (int c = 0; c < 12; ++c) checkered[r][c] = (r + c) % 3 == 0;
    }
    for (ModuleShape shape : {ModuleShape::dot, ModuleShape::squircle}) {
        for (const Entity* module : unnamedModels(*build(checkered, plainStyle(shape)))) {
            ASSERT_EQ(module->transform.scale, QVector3D(1, 1, 1));
            ASSERT_FLOAT_EQ(module->transform.position.z(), 0.5f);
        }
    }
    std::set<float> heights;
    for (const Entity* module : unnamedModels(*build(checkered, plainStyle()))) {
        const float h = module->transform.scale.z();
        ASSERT_GE(h, 0.25f);
        ASSERT_LE(h, 5.6f);
        ASSERT_FLOAT_EQ(module->transform.position.z(), h / 2);
        heights.insert(h);
    }
    EXPECT_GT(heights.size(), 20u);
    // A dark window (f = 1) stands far above a sparse one.
    EXPECT_GT(*heights.rbegin(), 5.0f);
    EXPECT_LT(*heights.begin(), 1.5f);
}

// The distance from the finder's top-left corner to the nearest point of its ring.
float cornerClearance(double finderCornerRadius) {
    QRStyle style = plainStyle();
    style.finderCornerRadius = finderCornerRadius;
    const auto root = build(darkMatrix(21), style);
    const Entity* ring = root->findEntity("qr-finder-ring");
    float nearest = 1e9f;
    for (const MeshVertex& vertex : ring->model->mesh->vertices) {
        nearest = std::min(nearest, vertex.position.toVector2D().length());
    }
    return nearest;
}

TEST(QR3DSceneBuilderTest, FindersOnlyWhereTheyFitWithTheirSettingsClamped) {
    EXPECT_NEAR(cornerClearance(3.0), 3.5f * std::sqrt(2.0f) - 3.5f, 0.05f);
    EXPECT_FLOAT_EQ(cornerClearance(-1.0), 0.0f);

    QRStyle thin = plainStyle();
    thin.finderThickness = 0.2;
    thin.finderCornerRadius = 0.0;
    const auto root = build(darkMatrix(21), thin);
    // A square ring with walls of 0.5: 7² − 6².
    EXPECT_NEAR(frontCapArea(*root->findEntity("qr-finder-ring")->model->mesh), 13.0, 1e-5);

    EXPECT_EQ(countNamed(*root, "qr-finder-ring"), 3);
    EXPECT_EQ(countNamed(*root, "qr-finder-pip"), 3);
    EXPECT_EQ(unnamedModels(*root).size(), 21u * 21u - 3u * 49u);
    // A matrix too small for finders keeps every cell as a module.
    const auto small = build(darkMatrix(8), plainStyle());
    EXPECT_EQ(unnamedModels(*small).size(), 64u);
    EXPECT_EQ(countNamed(*small, "qr-finder-ring") + countNamed(*small, "qr-finder-pip"), 0);
}

Expected<MeshHandle, ExtrusionError> failingExtrusion(const Path2D&, double) {
    return unexpected(ExtrusionError{QStringLiteral("no tessellator")});
}

TEST(QR3DSceneBuilderTest, FailedExtrusionsAreReplacedAndReported) {
    Entity pivot("qr-tilt-pivot");
    QRStyle style = plainStyle();
    style.finderThickness = 0.75;
    style.finderCornerRadius = 0.0;
    ::testing::internal::CaptureStderr();
    addFinders(pivot, 21, style, 10.5f, 1.0f, failingExtrusion);
    const std::string finderLog = ::testing::internal::GetCapturedStderr();
    const std::string ringLine =
        "[QR3D] Finder ring extrusion failed (no tessellator); using walls fallback.\n";
    const std::string pipLine =
        "[QR3D] Finder pip extrusion failed (no tessellator); using box fallback.\n";
    EXPECT_EQ(finderLog, ringLine + pipLine + ringLine + pipLine + ringLine + pipLine);
    EXPECT_EQ(pivot.findEntity("qr-finder-ring"), nullptr);

    // The first finder's corner is at (1 − 10.5, 10.5 − 1).
    const auto& children = pivot.children();
    ASSERT_EQ(children.size(), 6u);
    EXPECT_EQ(children[0]->transform.position, QVector3D(-6.0f, 6.0f, 3.75f));
    EXPECT_EQ(children[0]->model->mesh->bounds.extents(), QVector3D(3, 3, 7.5f));
    const Entity& walls = *children[1];
    EXPECT_EQ(walls.name, "qr-finder-fallback");
    ASSERT_EQ(walls.children().size(), 4u);
    const Bounds frame = walls.visualBounds(&pivot);
    EXPECT_EQ(frame.min, QVector3D(-9.5f, 2.5f, 0.0f));
    EXPECT_EQ(frame.max, QVector3D(-2.5f, 9.5f, 1.0f));
    EXPECT_EQ(walls.children()[2]->model->mesh->bounds.extents(), QVector3D(0.75f, 5.5f, 1.0f));

    LogoOverlay logo;
    logo.imageData = pngOf(Qt::blue);
    ::testing::internal::CaptureStderr();
    addLogo(pivot, logo, 21, 1.0f, failingExtrusion);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "[QR3D] Logo background extrusion failed; using flat box.\n");
    const Entity& flatPlate = *pivot.children()[6];
    EXPECT_TRUE(flatPlate.name.isEmpty());
    EXPECT_EQ(flatPlate.transform.position, QVector3D(0.0f, 0.0f, 10.5f));
    // 21 · 0.2 = 4.2 wide, with 15 % of it on either side.
    EXPECT_NEAR(flatPlate.model->mesh->bounds.extents().x(), 5.46f, 1e-5f);
    EXPECT_NE(pivot.findEntity("qr-logo"), nullptr);
}

const Entity* logoOf(const Entity& root) {
    return root.findEntity("qr-logo");
}

TEST(QR3DSceneBuilderTest, LogoNeedsPictureBytesAndItsTextureIsMadeOnce) {
    QRStyle style = plainStyle();
    style.logoOverlay = LogoOverlay{};
    const auto withoutBytes = build(darkMatrix(21), style);
    EXPECT_EQ(withoutBytes->findEntity("qr-logo"), nullptr);
    EXPECT_EQ(withoutBytes->findEntity("qr-logo-bg"), nullptr);
    style.logoOverlay->imageData = "not a picture";
    EXPECT_EQ(logoOf(*build(darkMatrix(21), style)), nullptr);

    style.logoOverlay->imageData = pngOf(Qt::red);
    const auto first = build(darkMatrix(21), style);
    const auto second = build(darkMatrix(21), style);
    const auto& material = std::get<UnlitMaterial>(*logoOf(*first)->model->materials.front());
    ASSERT_NE(material.texture, nullptr);
    EXPECT_TRUE(material.transparent);
    EXPECT_EQ(material.texture->image.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(std::get<UnlitMaterial>(*logoOf(*second)->model->materials.front()).texture,
              material.texture);
    const Entity* plate = first->findEntity("qr-logo-bg");
    ASSERT_NE(plate, nullptr);
    EXPECT_NEAR(plate->transform.position.x(), -2.73f, 1e-5f);
    EXPECT_FLOAT_EQ(logoOf(*first)->transform.position.z(), 10.52f);

    style.logoOverlay->imageData = pngOf(Qt::green);
    const auto other = build(darkMatrix(21), style);
    EXPECT_NE(std::get<UnlitMaterial>(*logoOf(*other)->model->materials.front()).texture,
              material.texture);
}

}  // namespace
}  // namespace vostrel
