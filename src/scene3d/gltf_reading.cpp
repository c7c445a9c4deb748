// Turns a tinygltf model into a GltfScene: the accessors it needs read with their bounds
// checked, since a broken file must give an error rather than read past a buffer.

#include <tiny_gltf.h>

#include <QMatrix4x4>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <optional>

#include "scene3d/gltf_scene.h"

namespace vostrel {

namespace {

constexpr int componentFloat = TINYGLTF_COMPONENT_TYPE_FLOAT;

// The bytes of element i of an accessor, or null when the accessor does not fit its buffer.
struct AccessorBytes {
    const unsigned char* start = nullptr;
    size_t stride = 0;
    size_t count = 0;
};

std::optional<AccessorBytes> accessorBytes(const tinygltf::Model& model, int index,
                                           size_t elementSize) {
    if (index < 0 || size_t(index) >= model.accessors.size()) return std::nullopt;
    const tinygltf::Accessor& accessor = model.accessors[size_t(index)];
    if (accessor.sparse.isSparse || accessor.bufferView < 0 ||
        size_t(accessor.bufferView) >= model.bufferViews.size()) {
        return std::nullopt;
    }
    const tinygltf::BufferView& view = model.bufferViews[size_t(accessor.bufferView)];
    if (view.buffer < 0 || size_t(view.buffer) >= model.buffers.size()) return std::nullopt;
    const std::vector<unsigned char>& data = model.buffers[size_t(view.buffer)].data;
    const size_t stride = view.byteStride ? view.byteStride : elementSize;
    const size_t begin = view.byteOffset + accessor.byteOffset;
    const size_t needed = accessor.count ? stride * (accessor.count - 1) + elementSize : 0;
    if (stride < elementSize || accessor.byteOffset + needed > view.byteLength ||
        begin + needed > data.size()) {
        return std::nullopt;
    }
    return AccessorBytes{data.data() + begin, stride, accessor.count};
}

std::optional<std::vector<float>> readFloats(const tinygltf::Model& model, int index, int width) {
    if (index < 0 || size_t(index) >= model.accessors.size()) return std::nullopt;
    const tinygltf::Accessor& accessor = model.accessors[size_t(index)];
    if (accessor.componentType != componentFloat ||
        tinygltf::GetNumComponentsInType(uint32_t(accessor.type)) != width) {
        return std::nullopt;
    }
    const auto bytes = accessorBytes(model, index, sizeof(float) * size_t(width));
    if (!bytes) return std::nullopt;
    std::vector<float> values(bytes->count * size_t(width));
    for (size_t i = 0; i < bytes->count; ++i) {
        std::memcpy(&values[i * size_t(width)], bytes->start + i * bytes->stride,
                    sizeof(float) * size_t(width));
    }
    return values;
}

std::optional<std::vector<std::uint32_t>> readIndices(const tinygltf::Model& model, int index) {
    if (index < 0 || size_t(index) >= model.accessors.size()) return std::nullopt;
    const int type = model.accessors[size_t(index)].componentType;
    const size_t size = type == TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE    ? 1
                        : type == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT ? 2
                        : type == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT   ? 4
                                                                         : 0;
    const auto bytes = size ? accessorBytes(model, index, size) : std::nullopt;
    if (!bytes) return std::nullopt;
    std::vector<std::uint32_t> indices(bytes->count);
    for (size_t i = 0; i < bytes->count; ++i) {
        const unsigned char* at = bytes->start + i * bytes->stride;
        std::uint32_t value = 0;
        std::memcpy(&value, at, size);  // little-endian, as glTF stores it
        indices[i] = value;
    }
    return indices;
}

QVector3D vec3(const std::vector<float>& values, size_t i) {
    return {values[3 * i], values[3 * i + 1], values[3 * i + 2]};
}

// Smooth normals from the triangles around each vertex, for files that leave them out.
std::vector<float> computedNormals(const std::vector<float>& positions,
                                   const std::vector<std::uint32_t>& indices) {
    std::vector<QVector3D> sums(positions.size() / 3);
    for (size_t k = 0; k + 2 < indices.size(); k += 3) {
        const QVector3D a = vec3(positions, indices[k]), b = vec3(positions, indices[k + 1]),
                        c = vec3(positions, indices[k + 2]);
        const QVector3D face = QVector3D::crossProduct(b - a, c - a);
        for (int j = 0; j < 3; ++j) sums[indices[k + size_t(j)]] += face;
    }
    std::vector<float> normals;
    normals.reserve(positions.size());
    for (const QVector3D& sum : sums) {
        const QVector3D n = sum.normalized();
        normals.insert(normals.end(), {n.x(), n.y(), n.z()});
    }
    return normals;
}

float toGamma(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    return float(c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055);
}

MaterialHandle materialFor(const tinygltf::Model& model, int index) {
    SimpleMaterial material;
    if (index >= 0 && size_t(index) < model.materials.size()) {
        const tinygltf::PbrMetallicRoughness& pbr =
            model.materials[size_t(index)].pbrMetallicRoughness;
        const std::vector<double>& c = pbr.baseColorFactor;
        if (c.size() == 4) {
            material.color = {toGamma(c[0]), toGamma(c[1]), toGamma(c[2]), float(c[3])};
        }
        material.roughness = float(pbr.roughnessFactor);
        material.isMetallic = pbr.metallicFactor >= 0.5;
    }
    return makeMaterial(material);
}

Expected<ModelComponent, QString> readPrimitive(const tinygltf::Model& model,
                                                const tinygltf::Primitive& primitive,
                                                std::vector<MaterialHandle>& materials) {
    const auto attribute = [&](const char* name) {
        const auto it = primitive.attributes.find(name);
        return it == primitive.attributes.end() ? -1 : it->second;
    };
    const auto positions = readFloats(model, attribute("POSITION"), 3);
    if (!positions) return unexpected(QStringLiteral("a mesh without readable positions"));
    std::optional<std::vector<std::uint32_t>> indices;
    if (primitive.indices >= 0) {
        indices = readIndices(model, primitive.indices);
    } else {
        indices.emplace(positions->size() / 3);
        std::iota(indices->begin(), indices->end(), 0u);
    }
    const size_t vertexCount = positions->size() / 3;
    if (!indices || std::any_of(indices->begin(), indices->end(),
                                [&](std::uint32_t i) { return i >= vertexCount; })) {
        return unexpected(QStringLiteral("a mesh with unreadable indices"));
    }
    auto normals = readFloats(model, attribute("NORMAL"), 3);
    if (!normals || normals->size() != positions->size()) {
        normals = computedNormals(*positions, *indices);
    }
    auto mesh = std::make_shared<Mesh>();
    for (size_t i = 0; i < vertexCount; ++i) {
        mesh->addVertex(vec3(*positions, i), vec3(*normals, i));
    }
    for (size_t k = 0; k + 2 < indices->size(); k += 3) {
        mesh->addTriangle((*indices)[k], (*indices)[k + 1], (*indices)[k + 2]);
    }
    const int materialIndex = primitive.material;
    MaterialHandle material = materialIndex >= 0 && size_t(materialIndex) < materials.size()
                                  ? materials[size_t(materialIndex)]
                                  : materialFor(model, -1);
    return ModelComponent{std::move(mesh), {std::move(material)}};
}

Transform transformOf(const tinygltf::Node& node) {
    if (node.matrix.size() == 16) {
        QMatrix4x4 m;
        for (int i = 0; i < 16; ++i) m(i % 4, i / 4) = float(node.matrix[size_t(i)]);
        return Transform::fromMatrix(m);
    }
    Transform transform;
    const auto& t = node.translation;
    const auto& r = node.rotation;
    const auto& s = node.scale;
    if (t.size() == 3) transform.position = QVector3D(float(t[0]), float(t[1]), float(t[2]));
    if (r.size() == 4) {
        transform.rotation = QQuaternion(float(r[3]), float(r[0]), float(r[1]), float(r[2]));
    }
    if (s.size() == 3) transform.scale = QVector3D(float(s[0]), float(s[1]), float(s[2]));
    return transform;
}

Expected<std::vector<GltfScene::Node>, QString> readNodes(const tinygltf::Model& model) {
    std::vector<MaterialHandle> materials;
    for (size_t i = 0; i < model.materials.size(); ++i) {
        materials.push_back(materialFor(model, int(i)));
    }
    std::vector<GltfScene::Node> nodes;
    for (size_t i = 0; i < model.nodes.size(); ++i) {
        const tinygltf::Node& source = model.nodes[i];
        GltfScene::Node node;
        node.name = source.name.empty() ? QStringLiteral("node-%1").arg(i)
                                        : QString::fromStdString(source.name);
        node.transform = transformOf(source);
        for (int child : source.children) {
            if (child < 0 || size_t(child) >= model.nodes.size()) {
                return unexpected(QStringLiteral("a node with a missing child"));
            }
            node.children.push_back(child);
        }
        if (source.mesh >= 0 && size_t(source.mesh) < model.meshes.size()) {
            for (const auto& primitive : model.meshes[size_t(source.mesh)].primitives) {
                if (primitive.mode != TINYGLTF_MODE_TRIANGLES) continue;
                auto part = readPrimitive(model, primitive, materials);
                if (!part) return unexpected(part.error());
                node.parts.push_back(std::move(*part));
            }
        }
        nodes.push_back(std::move(node));
    }
    return nodes;
}

std::optional<AnimationChannel> readChannel(const tinygltf::Model& model,
                                            const tinygltf::Animation& animation,
                                            const tinygltf::AnimationChannel& source,
                                            const std::vector<GltfScene::Node>& nodes) {
    if (source.target_node < 0 || size_t(source.target_node) >= nodes.size() ||
        source.sampler < 0 || size_t(source.sampler) >= animation.samplers.size()) {
        return std::nullopt;
    }
    AnimationChannel channel;
    channel.target = nodes[size_t(source.target_node)].name;
    const bool rotation = source.target_path == "rotation";
    if (rotation)
        channel.property = AnimatedProperty::rotation;
    else if (source.target_path == "scale")
        channel.property = AnimatedProperty::scale;
    else if (source.target_path != "translation")
        return std::nullopt;  // morph weights
    const tinygltf::AnimationSampler& sampler = animation.samplers[size_t(source.sampler)];
    const auto times = readFloats(model, sampler.input, 1);
    const int width = rotation ? 4 : 3;
    const auto values = readFloats(model, sampler.output, width);
    if (!times || !values || times->empty()) return std::nullopt;
    // Cubic splines store an in-tangent, the value and an out-tangent per key: keep the values.
    const bool cubic = sampler.interpolation == "CUBICSPLINE";
    const size_t perKey = cubic ? 3 : 1;
    if (values->size() != times->size() * size_t(width) * perKey) return std::nullopt;
    channel.stepped = sampler.interpolation == "STEP";
    channel.times = *times;
    for (size_t k = 0; k < times->size(); ++k) {
        const float* v = values->data() + (k * perKey + (cubic ? 1 : 0)) * size_t(width);
        channel.values.emplace_back(v[0], v[1], v[2], rotation ? v[3] : 0.0f);
    }
    return channel;
}

AnimationResource readAnimation(const tinygltf::Model& model, const tinygltf::Animation& source,
                                const std::vector<GltfScene::Node>& nodes) {
    AnimationResource animation;
    animation.name = QString::fromStdString(source.name);
    for (const auto& channelSource : source.channels) {
        auto channel = readChannel(model, source, channelSource, nodes);
        if (!channel) continue;
        animation.clipDuration = std::max(animation.clipDuration, double(channel->times.back()));
        animation.channels.push_back(std::move(*channel));
    }
    animation.playDuration = animation.clipDuration;
    return animation;
}

}  // namespace

Expected<GltfScene, QString> parseGltf(const QByteArray& bytes) {
    tinygltf::TinyGLTF loader;
    tinygltf::Model model;
    std::string error, warning;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const bool binary = bytes.startsWith("glTF");
    const bool read =
        binary ? loader.LoadBinaryFromMemory(&model, &error, &warning, data, unsigned(bytes.size()))
               : loader.LoadASCIIFromString(&model, &error, &warning, bytes.constData(),
                                            unsigned(bytes.size()), "");
    if (!read) return unexpected(QString::fromStdString(error).trimmed());
    auto nodes = readNodes(model);
    if (!nodes) return unexpected(nodes.error());
    GltfScene scene;
    scene.nodes = std::move(*nodes);
    const int sceneIndex = model.defaultScene >= 0 ? model.defaultScene : 0;
    if (size_t(sceneIndex) < model.scenes.size()) {
        for (int root : model.scenes[size_t(sceneIndex)].nodes) {
            if (root >= 0 && size_t(root) < scene.nodes.size()) scene.roots.push_back(root);
        }
    }
    for (const auto& animation : model.animations) {
        AnimationResource resource = readAnimation(model, animation, scene.nodes);
        if (!resource.channels.empty()) scene.animations.push_back(std::move(resource));
    }
    return scene;
}

}  // namespace vostrel
