#include "render3d/scene_renderer.h"

#include <QOpenGLContext>
#include <algorithm>
#include <array>
#include <cmath>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "render3d/scene_shaders.h"
#include "scene3d/box_mesh.h"

namespace vostrel {

namespace {

constexpr int floatsPerInstance = 16 + 9;

bool isTransparent(const Material& material) {
    if (const auto* unlit = std::get_if<UnlitMaterial>(&material)) {
        return unlit->transparent || unlit->tint.w() < 1.0f;
    }
    return std::get<SimpleMaterial>(material).color.w() < 1.0f;
}

// How far, on screen, a simplified shape may stray from the true one: curves drawn with fewer
// steps, flat strips and box sides left out.
constexpr float tolerancePixels = 0.5f;

// Rounding steps (per 45°) for a box whose corner radius spans `radiusPixels` on screen: the
// fewest whose chords stay within half a pixel of the true curve. Corners of a pixel or two need
// none: the plain box differs from them by less than a pixel and has a tenth of the triangles.
int roundingStepsFor(float radiusPixels) {
    if (!(radiusPixels > 1.75f)) return 0;
    const float chordAngle = 2.0f * std::acos(1.0f - tolerancePixels / radiusPixels);
    const int segmentsPerQuarter = int(std::ceil(float(M_PI) / 2.0f / chordAngle));
    return std::min(defaultBoxRoundingSteps, (segmentsPerQuarter + 1) / 2);
}

// Mesa's software rasteriser sorts each frame's triangles into freshly allocated heap blocks and
// frees them once the frame is drawn: 15 to 30 MB for the largest symbols. By default glibc hands
// the top of the heap back to the kernel whenever more than 128 KB of it is free, so every frame
// faulted all of those pages in again, and that cost more than the drawing (a 600 px frame of a
// version 40 symbol took 4 times as long). Keeping up to 64 MB of freed heap for reuse avoids it.
// Setting that threshold also stops glibc from raising its mmap threshold as large blocks come
// and go, so every block above 128 KB (the instance data of a symbol, 1.6 MB) would be mapped
// afresh and faulted in each frame, up to 6 ms of it: blocks up to 32 MB stay on the heap too.
void keepFreedHeapForSoftwareRasteriser() {
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

// Groups of plain boxes at least this large are drawn in parts by the faces their boxes turn to
// the camera (at most three of six), leaving out the others before they cost vertex shading and
// culling on a software rasteriser (with the slivers below, a 600 px version 40 frame takes 13
// rather than 23 ms in the drawing thread). Each part is a draw of its own, so small groups, such
// as one column of a gradient, are drawn whole.
constexpr size_t instancesWorthSplitting = 256;

// The faces of a box with half extents `half`, placed by `placement`, that face the camera at
// `eye` and show wider than the tolerance (at `pixelsPerUnitAtOne` pixels per unit at distance
// 1): those whose planes the camera is in front of, found from the camera's coordinates in the
// box's own frame (Cramer's rule on the placement's columns). A side seen almost edge-on while
// the top faces the camera would add only a sliver (drawn without multisampling, a line of whole
// pixels or nothing).
unsigned facesTowards(const QMatrix4x4& placement, const QVector3D& half, const QVector3D& eye,
                      float pixelsPerUnitAtOne) {
    const QVector3D columns[3] = {placement.column(0).toVector3D(),
                                  placement.column(1).toVector3D(),
                                  placement.column(2).toVector3D()};
    const QVector3D cofactors[3] = {QVector3D::crossProduct(columns[1], columns[2]),
                                    QVector3D::crossProduct(columns[2], columns[0]),
                                    QVector3D::crossProduct(columns[0], columns[1])};
    const float determinant = QVector3D::dotProduct(columns[0], cofactors[0]);
    if (determinant == 0.0f) return allBoxFaces;
    const QVector3D offset = eye - placement.column(3).toVector3D();
    QVector3D eyeAt;
    for (int axis = 0; axis < 3; ++axis) {
        eyeAt[axis] = QVector3D::dotProduct(cofactors[axis], offset) / determinant;
    }
    // Seen over its top, a side's far edge projects onto the top's plane this far out (per unit
    // of the eye's distance past the side) by similar triangles; in pixels at the box's distance.
    const float topFacing = eyeAt.z() > half.z() ? 2.0f * half.z() / (eyeAt.z() + half.z()) : 0.0f;
    const float pixelsPerUnit = pixelsPerUnitAtOne / std::max(offset.length(), 1e-3f);
    unsigned faces = 0;
    for (int axis = 0; axis < 3; ++axis) {
        const float past = std::abs(eyeAt[axis]) - half[axis];
        if (past <= 0.0f) continue;
        const bool sliver =
            axis < 2 && topFacing > 0.0f &&
            past * topFacing * columns[axis].length() * pixelsPerUnit < tolerancePixels;
        if (!sliver) faces |= 1u << (2 * axis + (eyeAt[axis] > 0.0f ? 0 : 1));
    }
    return faces;
}

}  // namespace

struct SceneRenderer::GpuMesh {
    MeshHandle source;  // the scene's mesh, kept alive so that its address stays a valid key
    MeshHandle mesh;    // the mesh drawn: the source or a coarser remake of it
    unsigned vertexArray = 0;
    unsigned vertexBuffer = 0;
    unsigned indexBuffer = 0;
    bool used = true;
};

struct SceneRenderer::Frame {
    QMatrix4x4 viewProjection;
    QVector3D cameraPosition;
    float pixelsPerUnitAtOne = 0.0f;  // screen pixels per scene unit at distance 1
};

SceneRenderer::SceneRenderer() = default;

SceneRenderer::~SceneRenderer() = default;

std::unique_ptr<QOpenGLShaderProgram> SceneRenderer::buildProgram(const char* vertex,
                                                                  const char* fragment,
                                                                  QString* error) {
    auto program = std::make_unique<QOpenGLShaderProgram>();
    const bool built = program->addShaderFromSourceCode(QOpenGLShader::Vertex, vertex) &&
                       program->addShaderFromSourceCode(QOpenGLShader::Fragment, fragment) &&
                       program->link();
    if (built) return program;
    if (error) *error = program->log();
    return nullptr;
}

bool SceneRenderer::initialize(QString* error) {
    gl_.initializeOpenGLFunctions();
    litProgram_ = buildProgram(SceneShaders::litVertex, SceneShaders::litFragment, error);
    unlitProgram_ = buildProgram(SceneShaders::unlitVertex, SceneShaders::unlitFragment, error);
    if (!litProgram_ || !unlitProgram_) {
        litProgram_.reset();
        unlitProgram_.reset();
        return false;
    }
    gl_.glGenBuffers(1, &instanceBuffer_);
    if (isSoftwareRasteriser()) keepFreedHeapForSoftwareRasteriser();
    return true;
}

bool SceneRenderer::isSoftwareRasteriser() {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context) return false;
    const auto* name =
        reinterpret_cast<const char*>(context->functions()->glGetString(GL_RENDERER));
    const QByteArray renderer = QByteArray(name ? name : "").toLower();
    return renderer.contains("llvmpipe") || renderer.contains("softpipe") ||
           renderer.contains("software") || renderer.contains("swrast");
}

int SceneRenderer::recommendedSamples() {
    return isSoftwareRasteriser() ? 0 : 4;
}

void SceneRenderer::render(const Entity& root, QSize pixels, const QColor& background) {
    gl_.glViewport(0, 0, pixels.width(), pixels.height());
    gl_.glClearColor(background.redF(), background.greenF(), background.blueF(),
                     background.alphaF());
    gl_.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const SceneSnapshot snapshot = SceneSnapshot::of(root);
    if (!litProgram_ || !snapshot.camera || pixels.isEmpty()) return;
    const Frame frame = frameFor(snapshot, pixels);
    unlitProgram_->bind();
    unlitProgram_->setUniformValue("viewProjection", frame.viewProjection);
    unlitProgram_->setUniformValue("picture", 0);
    litProgram_->bind();
    litProgram_->setUniformValue("viewProjection", frame.viewProjection);
    litProgram_->setUniformValue("cameraPosition", frame.cameraPosition);
    setLights(snapshot);
    boundProgram_ = litProgram_.get();
    drawGroups(snapshot, frame);
    gl_.glBindVertexArray(0);
    boundProgram_->release();
    boundProgram_ = nullptr;
    evictUnused();
}

// How to draw a generated box that spans `pixelsPerUnit` on screen: with as few rounding steps as
// keep its curves within half a pixel, and with no flat strip between two roundings narrower
// than half a pixel (a dot's flat part is 0.04 modules wide, and its strips are most of its
// triangles).
SceneRenderer::BoxDetail SceneRenderer::boxDetailFor(const BoxDescription& box,
                                                     float pixelsPerUnit) {
    const int steps = roundingStepsFor(box.cornerRadius * pixelsPerUnit);
    if (steps == 0) return {0.0f, 1, allBoxFaces};
    const float smallestHalf = std::min({box.size.x(), box.size.y(), box.size.z()}) / 2.0f;
    const bool narrowFlat = (smallestHalf - box.cornerRadius) * pixelsPerUnit < tolerancePixels;
    return {narrowFlat ? smallestHalf : box.cornerRadius, steps, allBoxFaces};
}

SceneRenderer::Frame SceneRenderer::frameFor(const SceneSnapshot& snapshot, QSize pixels) {
    const SceneCamera& camera = *snapshot.camera;
    const QMatrix4x4 view = camera.worldMatrix.inverted();
    // Near and far planes hug the scene so the depth buffer keeps its precision where the models
    // are; a logo plate only 0.02 above its backing must still win.
    float nearest = camera.lens.near;
    float farthest = std::isfinite(camera.lens.far) ? camera.lens.far : 1.0e4f;
    if (!snapshot.worldBounds.empty) {
        float closest = farthest;
        float deepest = 0.0f;
        for (const QVector3D& corner : snapshot.worldBounds.corners()) {
            const float depth = -view.map(corner).z();
            closest = std::min(closest, depth);
            deepest = std::max(deepest, depth);
        }
        nearest = std::max(nearest, closest * 0.5f);
        farthest = std::min(farthest, deepest * 2.0f + 1.0f);
    }
    const float fov = camera.lens.fieldOfViewInDegrees;
    QMatrix4x4 projection;
    projection.perspective(fov, float(pixels.width()) / float(pixels.height()), nearest,
                           std::max(farthest, nearest * 2.0f));
    const float tanHalf = std::tan(qDegreesToRadians(fov) / 2.0f);
    return {projection * view, camera.worldMatrix.map(QVector3D()),
            float(pixels.height()) / (2.0f * tanHalf)};
}

void SceneRenderer::drawGroups(const SceneSnapshot& snapshot, const Frame& frame) {
    gl_.glEnable(GL_DEPTH_TEST);
    gl_.glEnable(GL_CULL_FACE);
    gl_.glDisable(GL_BLEND);
    gl_.glDepthMask(GL_TRUE);
    std::vector<const DrawGroup*> transparent;
    for (const DrawGroup& group : snapshot.groups) {
        if (isTransparent(*group.material)) {
            transparent.push_back(&group);
        } else {
            drawGroup(group, frame);
        }
    }
    const auto distanceOf = [&](const DrawGroup* group) {
        return (frame.cameraPosition - group->worldMatrices.front().map(QVector3D())).length();
    };
    std::stable_sort(transparent.begin(), transparent.end(),
                     [&](auto* a, auto* b) { return distanceOf(a) > distanceOf(b); });
    gl_.glEnable(GL_BLEND);
    gl_.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl_.glDepthMask(GL_FALSE);
    for (const DrawGroup* group : transparent) drawGroup(*group, frame);
    gl_.glDepthMask(GL_TRUE);
    gl_.glDisable(GL_BLEND);
}

void SceneRenderer::setLights(const SceneSnapshot& snapshot) {
    const int count = std::min(int(snapshot.lights.size()), SceneShaders::maxLights);
    QOpenGLShaderProgram& program = *litProgram_;
    program.setUniformValue("lightCount", count);
    program.setUniformValue("ambient", 0.3f * snapshot.environmentWeight);
    for (int i = 0; i < count; ++i) {
        const SceneLight& light = snapshot.lights[size_t(i)];
        const auto name = [i](const char* field) {
            return QByteArray(field) + '[' + QByteArray::number(i) + ']';
        };
        program.setUniformValue(name("lightPosition").constData(), light.position);
        program.setUniformValue(name("lightDirection").constData(), light.direction);
        program.setUniformValue(
            name("lightRadiance").constData(),
            light.color * (light.intensity / SceneShaders::fullStrengthIntensity));
        const float cosInner = std::cos(qDegreesToRadians(light.innerAngleInDegrees));
        const float cosOuter = std::cos(qDegreesToRadians(light.outerAngleInDegrees));
        program.setUniformValue(name("lightSpot").constData(),
                                QVector4D(light.isSpot ? 1.0f : 0.0f, cosInner, cosOuter,
                                          std::max(light.attenuationRadius, 1e-3f)));
    }
}

void SceneRenderer::drawGroup(const DrawGroup& group, const Frame& frame) {
    std::optional<BoxDetail> detail;
    if (group.mesh->box && group.mesh->box->cornerRadius > 0.0f) {
        const QVector3D at = group.worldMatrices.front().map(QVector3D());
        const float distance = std::max((frame.cameraPosition - at).length(), 1e-3f);
        detail = boxDetailFor(*group.mesh->box, frame.pixelsPerUnitAtOne / distance);
    }
    setMaterial(*group.material, *group.mesh);
    const bool plainBoxes =
        group.mesh->box && (detail ? detail->cornerRadius : group.mesh->box->cornerRadius) == 0.0f;
    if (plainBoxes && group.worldMatrices.size() >= instancesWorthSplitting) {
        drawByFacesTowards(group, frame);
        return;
    }
    uploadInstances(group.worldMatrices, {});
    drawInstances(gpuMesh(group.mesh, detail), 0, group.worldMatrices.size());
}

void SceneRenderer::drawByFacesTowards(const DrawGroup& group, const Frame& frame) {
    const QVector3D half = group.mesh->box->size / 2.0f;
    const size_t instances = group.worldMatrices.size();
    std::array<size_t, allBoxFaces + 1> counts{};
    facesOf_.resize(instances);
    for (size_t i = 0; i < instances; ++i) {
        facesOf_[i] = std::uint8_t(facesTowards(group.worldMatrices[i], half, frame.cameraPosition,
                                                frame.pixelsPerUnitAtOne));
        ++counts[facesOf_[i]];
    }
    std::array<size_t, allBoxFaces + 1> starts{};
    for (size_t faces = 1; faces < starts.size(); ++faces) {
        starts[faces] = starts[faces - 1] + counts[faces - 1];
    }
    std::array<size_t, allBoxFaces + 1> next = starts;
    order_.resize(instances);
    for (size_t i = 0; i < instances; ++i) order_[next[facesOf_[i]]++] = i;
    uploadInstances(group.worldMatrices, order_);
    for (unsigned faces = 1; faces <= allBoxFaces; ++faces) {
        if (counts[faces] == 0) continue;
        drawInstances(gpuMesh(group.mesh, BoxDetail{0.0f, 1, faces}), starts[faces], counts[faces]);
    }
}

// Fills the instance buffer with the placements, in `order` when one is given.
void SceneRenderer::uploadInstances(const std::vector<QMatrix4x4>& placements,
                                    const std::vector<size_t>& order) {
    instanceData_.clear();
    instanceData_.reserve(placements.size() * floatsPerInstance);
    for (size_t i = 0; i < placements.size(); ++i) {
        const QMatrix4x4& world = placements[order.empty() ? i : order[i]];
        instanceData_.insert(instanceData_.end(), world.constData(), world.constData() + 16);
        const QMatrix3x3 normal = world.normalMatrix();
        instanceData_.insert(instanceData_.end(), normal.constData(), normal.constData() + 9);
    }
    gl_.glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer_);
    gl_.glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(instanceData_.size() * sizeof(float)),
                     instanceData_.data(), GL_STREAM_DRAW);
}

// Draws `count` instances of the mesh from the instance buffer, starting at instance `first`.
void SceneRenderer::drawInstances(const GpuMesh& mesh, size_t first, size_t count) {
    gl_.glBindVertexArray(mesh.vertexArray);
    pointAtInstances(first);
    gl_.glDrawElementsInstanced(GL_TRIANGLES, GLsizei(mesh.mesh->indices.size()), GL_UNSIGNED_INT,
                                nullptr, GLsizei(count));
}

void SceneRenderer::useProgram(QOpenGLShaderProgram& program) {
    if (boundProgram_ == &program) return;
    program.bind();
    boundProgram_ = &program;
}

void SceneRenderer::setMaterial(const Material& material, const Mesh& mesh) {
    if (const auto* simple = std::get_if<SimpleMaterial>(&material)) {
        useProgram(*litProgram_);
        litProgram_->setUniformValue("baseColor", simple->color);
        litProgram_->setUniformValue("roughness", simple->roughness);
        litProgram_->setUniformValue("metallic", simple->isMetallic ? 1.0f : 0.0f);
        return;
    }
    const auto& unlit = std::get<UnlitMaterial>(material);
    useProgram(*unlitProgram_);
    const Bounds& box = mesh.bounds;
    unlitProgram_->setUniformValue(
        "textureFrame", QVector4D(box.min.x(), box.max.y(), std::max(box.extents().x(), 1e-6f),
                                  std::max(box.extents().y(), 1e-6f)));
    QVector4D tint = unlit.tint;
    if (unlit.transparent) tint.setW(tint.w() * unlit.opacity);
    unlitProgram_->setUniformValue("baseColor", tint);
    QOpenGLTexture* texture = unlit.texture ? gpuTexture(unlit.texture) : nullptr;
    unlitProgram_->setUniformValue("textured", texture != nullptr);
    if (texture) texture->bind(0);
}

SceneRenderer::GpuMesh& SceneRenderer::gpuMesh(const MeshHandle& source,
                                               const std::optional<BoxDetail>& detail) {
    std::unique_ptr<GpuMesh>& slot = meshes_[{source.get(), detail}];
    if (slot) {
        slot->used = true;
        return *slot;
    }
    slot = std::make_unique<GpuMesh>();
    slot->source = source;
    if (!detail) {
        slot->mesh = source;
    } else if (detail->faces != allBoxFaces) {
        slot->mesh = generatePlainBoxFaces(source->box->size, detail->faces);
    } else {
        slot->mesh = generateBox(source->box->size, detail->cornerRadius, detail->roundingSteps);
    }
    upload(*slot);
    return *slot;
}

void SceneRenderer::upload(GpuMesh& gpu) {
    const Mesh& mesh = *gpu.mesh;
    gl_.glGenVertexArrays(1, &gpu.vertexArray);
    gl_.glBindVertexArray(gpu.vertexArray);
    gl_.glGenBuffers(1, &gpu.vertexBuffer);
    gl_.glBindBuffer(GL_ARRAY_BUFFER, gpu.vertexBuffer);
    gl_.glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(mesh.vertices.size() * sizeof(MeshVertex)),
                     mesh.vertices.data(), GL_STATIC_DRAW);
    gl_.glEnableVertexAttribArray(0);
    gl_.glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(MeshVertex), nullptr);
    gl_.glEnableVertexAttribArray(1);
    gl_.glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                              reinterpret_cast<void*>(sizeof(QVector3D)));
    gl_.glGenBuffers(1, &gpu.indexBuffer);
    gl_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gpu.indexBuffer);
    gl_.glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     GLsizeiptr(mesh.indices.size() * sizeof(std::uint32_t)), mesh.indices.data(),
                     GL_STATIC_DRAW);
    // Attributes 2 to 5 are the columns of the placement, 6 to 8 those of the normal matrix.
    for (GLuint attribute = 2; attribute <= 8; ++attribute) {
        gl_.glEnableVertexAttribArray(attribute);
        gl_.glVertexAttribDivisor(attribute, 1);
    }
    pointAtInstances(0);
}

// Points the bound vertex array's per-instance attributes at the instance buffer from instance
// `first` on.
void SceneRenderer::pointAtInstances(size_t first) {
    gl_.glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer_);
    const GLsizei stride = floatsPerInstance * sizeof(float);
    const size_t start = first * size_t(stride);
    for (int column = 0; column < 4; ++column) {
        gl_.glVertexAttribPointer(2 + column, 4, GL_FLOAT, GL_FALSE, stride,
                                  reinterpret_cast<void*>(start + column * 4 * sizeof(float)));
    }
    for (int column = 0; column < 3; ++column) {
        gl_.glVertexAttribPointer(
            6 + column, 3, GL_FLOAT, GL_FALSE, stride,
            reinterpret_cast<void*>(start + (16 + column * 3) * sizeof(float)));
    }
}

QOpenGLTexture* SceneRenderer::gpuTexture(const TextureHandle& texture) {
    GpuTexture& entry = textures_[texture.get()];
    entry.used = true;
    if (!entry.texture) {
        entry.source = texture;
        entry.texture =
            std::make_unique<QOpenGLTexture>(texture->image, QOpenGLTexture::GenerateMipMaps);
        entry.texture->setMinificationFilter(QOpenGLTexture::LinearMipMapLinear);
        entry.texture->setMagnificationFilter(QOpenGLTexture::Linear);
        entry.texture->setWrapMode(QOpenGLTexture::ClampToEdge);
    }
    return entry.texture.get();
}

void SceneRenderer::evictUnused() {
    for (auto it = meshes_.begin(); it != meshes_.end();) {
        GpuMesh& mesh = *it->second;
        if (mesh.used) {
            mesh.used = false;
            ++it;
            continue;
        }
        gl_.glDeleteVertexArrays(1, &mesh.vertexArray);
        gl_.glDeleteBuffers(1, &mesh.vertexBuffer);
        gl_.glDeleteBuffers(1, &mesh.indexBuffer);
        it = meshes_.erase(it);
    }
    for (auto it = textures_.begin(); it != textures_.end();) {
        if (!it->second.used) {
            it = textures_.erase(it);
            continue;
        }
        it->second.used = false;
        ++it;
    }
}

void SceneRenderer::releaseSceneResources() {
    for (auto& [key, mesh] : meshes_) mesh->used = false;
    for (auto& [key, texture] : textures_) texture.used = false;
    evictUnused();
}

void SceneRenderer::releaseResources() {
    releaseSceneResources();
    if (instanceBuffer_) gl_.glDeleteBuffers(1, &instanceBuffer_);
    instanceBuffer_ = 0;
    litProgram_.reset();
    unlitProgram_.reset();
}

}  // namespace vostrel
