#include <gtest/gtest.h>

#include <QVector3D>
#include <cmath>

#include "scene3d/box_mesh.h"
#include "scene3d/extrusion.h"
#include "scene3d/mesh_measures.h"

namespace vostrel {
using namespace testing;
namespace {

TEST(BoxMeshTest, RoundedEdgesLieOnTheRoundingAndFaceOutwards) {
    const MeshHandle box = generateBox({2, 2, 1}, 0.3f);
    EXPECT_NEAR(box->bounds.min.x(), -1.0f, 1e-5f);
    EXPECT_NEAR(box->bounds.max.z(), 0.5f, 1e-5f);
    const QVector3D flatHalf(0.7f, 0.7f, 0.2f);
    int rounded = 0;
    for (const MeshVertex& vertex : box->vertices) {
        QVector3D inner;
        for (int axis = 0; axis < 3; ++axis) {
            inner[axis] = std::clamp(vertex.position[axis], -flatHalf[axis], flatHalf[axis]);
        }
        EXPECT_NEAR((vertex.position - inner).length(), 0.3f, 1e-4f);
        if (std::abs(vertex.normal.x()) > 0.05f && std::abs(vertex.normal.y()) > 0.05f) ++rounded;
    }
    EXPECT_GT(rounded, 0);
    expectOutwardWinding(*box);
}

TEST(BoxMeshTest, OversizedRadiusIsLimitedWithoutSliversAndZeroGivesAPlainBox) {
    const MeshHandle ball = generateBox({1, 1, 1}, 5.0f, 1);
    EXPECT_NEAR(ball->bounds.max.x(), 0.5f, 1e-5f);
    // No flat part is left between the roundings, and no strip of zero width stands for it.
    for (size_t i = 0; i + 2 < ball->indices.size(); i += 3) {
        const QVector3D a = ball->vertices[ball->indices[i]].position;
        const QVector3D b = ball->vertices[ball->indices[i + 1]].position;
        const QVector3D c = ball->vertices[ball->indices[i + 2]].position;
        EXPECT_GT(QVector3D::crossProduct(b - a, c - a).length(), 1e-3f) << i;
    }
    expectOutwardWinding(*ball);
    const MeshHandle plain = generateBox({3, 3, 7.5f}, 0.0f);
    EXPECT_EQ(plain->vertices.size(), 24u);
    expectOutwardWinding(*plain);
}

TEST(ExtrusionTest, RingKeepsOnlyTheAreaOutsideTheHole) {
    const Path2D outer = Path2D::roundedRectangle({0, -7, 7, 7}, 1.5);
    const Path2D hole = Path2D::roundedRectangle({1, -6, 5, 5}, 0.5);
    const auto ring = linearExtrusion(outer.subtracting(hole), 1.0);
    ASSERT_TRUE(ring) << ring.error().description.toStdString();
    const double outerArea = 49 - (4 - M_PI) * 1.5 * 1.5;
    const double holeArea = 25 - (4 - M_PI) * 0.5 * 0.5;
    // Continuous corners fill more than circular ones and less than square ones.
    EXPECT_GT(frontCapArea(**ring), outerArea - holeArea);
    EXPECT_LT(frontCapArea(**ring), 49.0 - 25.0);
    const auto squareRing = linearExtrusion(
        Path2D::rectangle({0, -7, 7, 7}).subtracting(Path2D::roundedRectangle({1, -6, 5, 5}, 0)),
        1.0);
    ASSERT_TRUE(squareRing);
    EXPECT_NEAR(frontCapArea(**squareRing), 24.0, 1e-6);
    EXPECT_FLOAT_EQ((*ring)->bounds.min.z(), 0.0f);
    EXPECT_FLOAT_EQ((*ring)->bounds.max.z(), 1.0f);
    expectOutwardWinding(**ring);
}

TEST(ExtrusionTest, SubtractingAShapeThatReachesOutsideUsesWindingNotEvenOdd) {
    const Path2D square = Path2D::rectangle({0, 0, 4, 4});
    const auto cut = linearExtrusion(square.subtracting(Path2D::rectangle({2, -1, 4, 6})), 0.5);
    ASSERT_TRUE(cut);
    EXPECT_NEAR(frontCapArea(**cut), 8.0, 1e-6);
    EXPECT_NEAR((*cut)->bounds.max.x(), 2.0f, 1e-6f);
    const auto disc = linearExtrusion(Path2D::ellipse({0, 0, 2, 2}), 0.01);
    ASSERT_TRUE(disc);
    EXPECT_NEAR(frontCapArea(**disc), M_PI, 0.01);
}

TEST(ExtrusionTest, FailsWithAReasonForShapesItCannotMake) {
    const Path2D square = Path2D::rectangle({0, 0, 1, 1});
    EXPECT_FALSE(linearExtrusion(square, 0.0));
    EXPECT_FALSE(linearExtrusion(Path2D(), 1.0));
    EXPECT_FALSE(linearExtrusion(square.subtracting(square), 1.0));
    const auto notFinite = linearExtrusion(Path2D::rectangle({0, 0, NAN, 1}), 1.0);
    ASSERT_FALSE(notFinite);
    EXPECT_FALSE(notFinite.error().description.isEmpty());
}

}  // namespace
}  // namespace vostrel
