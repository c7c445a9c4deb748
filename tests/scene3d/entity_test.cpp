#include <gtest/gtest.h>

#include "scene3d/box_mesh.h"
#include "scene3d/entity.h"

namespace vostrel {
namespace {

TEST(EntityTest, MovedChildKeepsItsLocalTransformAndFollowsItsNewParent) {
    Entity root("root");
    Entity* left = root.addChild(std::make_unique<Entity>("left"));
    Entity* right = root.addChild(std::make_unique<Entity>("right"));
    left->transform.position = {-5, 0, 0};
    right->transform.position = {5, 0, 0};
    right->transform.rotation = QQuaternion::fromAxisAndAngle(0, 0, 1, 90);
    auto box = Entity::makeModel(generateBox({1, 1, 1}, 0.0f), makeMaterial(SimpleMaterial{}));
    box->name = "box";
    box->transform.position = {1, 0, 0};
    left->addChild(std::move(box));

    std::unique_ptr<Entity> detached = root.findEntity("box")->removeFromParent();
    EXPECT_EQ(root.findEntity("box"), nullptr);
    EXPECT_EQ(detached->transform.position, QVector3D(1, 0, 0));
    right->addChild(std::move(detached));
    const Bounds bounds = root.findEntity("box")->visualBounds();
    // (1, 0, 0) turned a quarter about z is (0, 1, 0), then moved to x = 5.
    EXPECT_NEAR(bounds.center().x(), 5.0f, 1e-5f);
    EXPECT_NEAR(bounds.center().y(), 1.0f, 1e-5f);
    EXPECT_NEAR(root.visualBounds(right).center().y(), 0.0f, 1e-5f);

    Entity camera;
    camera.look({0, 0, 0}, {10, 0, 0});
    const QVector3D forward = camera.transform.rotation.rotatedVector({0, 0, -1});
    EXPECT_NEAR(forward.x(), -1.0f, 1e-5f);
    EXPECT_NEAR(camera.transform.rotation.rotatedVector({0, 1, 0}).y(), 1.0f, 1e-5f);
}

TEST(EntityTest, CloneCopiesTheTreeAndSharesResources) {
    Entity root("root");
    Entity* pivot = root.addChild(std::make_unique<Entity>("pivot"));
    pivot->addChild(Entity::makeModel(generateBox({1, 2, 3}, 0.1f), makeMaterial(UnlitMaterial{})));
    pivot->transform.scale = {2, 2, 2};

    std::unique_ptr<Entity> copy = root.clone();
    Entity* copiedPivot = copy->findEntity("pivot");
    ASSERT_NE(copiedPivot, nullptr);
    EXPECT_NE(copiedPivot, pivot);
    EXPECT_EQ(copiedPivot->parent(), copy.get());
    EXPECT_EQ(copiedPivot->children()[0]->model->mesh, pivot->children()[0]->model->mesh);
    EXPECT_EQ(copy->visualBounds().extents(), QVector3D(2, 4, 6));
    EXPECT_TRUE(Entity("empty").visualBounds().empty);
}

TEST(EntityTest, MoveEasesOutToATargetGivenInAnotherEntitysFrame) {
    Entity root("root");
    Entity* stage = root.addChild(std::make_unique<Entity>("stage"));
    stage->transform.position = {0, 0, -10};
    Entity* shelf = root.addChild(std::make_unique<Entity>("shelf"));
    shelf->transform.position = {4, 2, 0};
    shelf->transform.rotation = QQuaternion::fromAxisAndAngle(0, 1, 0, 90);
    Entity* bird = stage->addChild(std::make_unique<Entity>("bird"));

    Transform perch;
    perch.position = {0, 1, 0};
    perch.scale = {2, 2, 2};
    bird->move(perch, shelf, 1.0f);
    EXPECT_TRUE(root.advanceMoves(0.25f));
    const QVector3D quarter = bird->worldMatrix().map(QVector3D());
    EXPECT_TRUE(root.advanceMoves(0.25f));
    const QVector3D half = bird->worldMatrix().map(QVector3D());
    // Ease-out covers more ground early: past the straight line's half-way mark at half time,
    // and more in the first quarter than in the second.
    const QVector3D start(0, 0, -10);
    const QVector3D end(4, 3, 0);
    EXPECT_GT((half - start).length(), (end - start).length() * 0.6f);
    EXPECT_GT((quarter - start).length(), (half - quarter).length());
    EXPECT_TRUE(bird->isMoving());

    EXPECT_FALSE(root.advanceMoves(0.6f));  // overshooting the duration lands exactly
    EXPECT_FALSE(bird->isMoving());
    const QMatrix4x4 world = bird->worldMatrix();
    EXPECT_NEAR((world.map(QVector3D()) - end).length(), 0.0f, 1e-4f);
    // The shelf's quarter turn about y carries the bird's +x onto −z, scaled by 2.
    EXPECT_NEAR((world.mapVector({1, 0, 0}) - QVector3D(0, 0, -2)).length(), 0.0f, 1e-4f);

    bird->move(Transform{}, stage, 0.0f);
    EXPECT_EQ(bird->transform.position, QVector3D(0, 0, 0));
    EXPECT_FALSE(bird->isMoving());
}

}  // namespace
}  // namespace vostrel
