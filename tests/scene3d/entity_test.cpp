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

}  // namespace
}  // namespace vostrel
