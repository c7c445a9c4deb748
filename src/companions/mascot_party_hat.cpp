#include "companions/mascot_party_hat.h"

#include "scene3d/box_mesh.h"

namespace vostrel {

namespace {

// The head's placement in the model's parent, with every entity on the way at rest.
QMatrix4x4 restMatrix(const Entity& head, const Entity& model, const Pose& rest) {
    QMatrix4x4 matrix;
    for (const Entity* entity = &head; entity; entity = entity->parent()) {
        matrix = rest.value(entity->name, entity->transform).matrix() * matrix;
        if (entity == &model) break;
    }
    return matrix;
}

QQuaternion rotationOf(const QMatrix4x4& matrix) {
    const QVector3D x = matrix.column(0).toVector3D().normalized();
    const QVector3D y = matrix.column(1).toVector3D().normalized();
    const QVector3D z = matrix.column(2).toVector3D().normalized();
    return QQuaternion::fromAxes(x, y, z);
}

}  // namespace

std::unique_ptr<Entity> makePartyHat(const TextureHandle& texture, const Entity& model,
                                     const Pose& rest) {
    const Entity* head = model.name == u"head" ? &model : model.findEntity(QStringLiteral("head"));
    if (!head || !texture) return nullptr;
    const Entity* skull = head->findEntity(QStringLiteral("head-mesh"));
    const Bounds crown = (skull ? skull : head)->visualBounds(head);
    if (crown.empty) return nullptr;

    // As wide as the head, in the picture's proportions.
    const float width = crown.extents().x() * 0.95f;
    const QImage& picture = texture->image;
    const float height = width * float(picture.height()) / float(picture.width());
    UnlitMaterial material;
    material.texture = texture;
    material.transparent = true;
    auto hat =
        Entity::makeModel(generateBox({width, height, 0.002f}, 0.0f), makeMaterial(material));
    hat->name = QString::fromLatin1(partyHatName);
    // Undo the head's turn at rest, so the card faces the viewer, then tip it a little.
    hat->transform.rotation = rotationOf(restMatrix(*head, model, rest)).inverted() *
                              QQuaternion::fromAxisAndAngle(0, 0, 1, -12);
    // A little toward the face, where the crown shows from the front.
    const QVector3D top(crown.center().x() + crown.extents().x() * 0.22f, crown.max.y(),
                        crown.center().z());
    // The brim sinks a little into the crown, as a hat's elastic would hold it.
    hat->transform.position = top + QVector3D(0, height * 0.4f, 0);
    return hat;
}

}  // namespace vostrel
