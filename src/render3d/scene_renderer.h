#pragma once

#include <QColor>
#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLTexture>
#include <QSize>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

#include "render3d/scene_snapshot.h"
#include "scene3d/box_mesh.h"
#include "scene3d/entity.h"

namespace vostrel {

// Draws an entity tree from its first camera with OpenGL 3.3 core: one instanced draw per mesh
// and material, opaque models first, then transparent ones back to front without writing depth.
// Rounded boxes whose corners cover only a pixel or two are drawn with fewer rounding steps.
// GPU copies of meshes and textures are kept while frames use them and released otherwise.
//
// Every call needs the same current context: the one in which initialize() succeeded.
class SceneRenderer {
  public:
    SceneRenderer();
    ~SceneRenderer();
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    // Compiles the shaders; false (with the log in `error`) when the context cannot run them.
    bool initialize(QString* error = nullptr);

    // Clears the bound framebuffer to `background` and draws the scene into `pixels`. A tree
    // without a camera gives the background alone.
    void render(const Entity& root, QSize pixels, const QColor& background);

    // Frees the GPU copies of meshes and textures, keeping the shaders; the next frame uploads
    // what it draws again. Needs the context current.
    void releaseSceneResources();

    // Frees every GPU object; call with the context current before it goes away.
    void releaseResources();

    // Whether the current context draws on the CPU (Mesa's llvmpipe or softpipe, or another
    // software rasteriser) rather than on graphics hardware.
    static bool isSoftwareRasteriser();
    // The multisampling worth asking of the current context's driver for pictures of scenes:
    // 4× on graphics hardware; none on a software rasteriser, where 4× adds half again or more
    // to a frame (every sample is depth-tested and stored on the CPU, and the picture resolved)
    // and makes a 600 px version 10 frame too slow for 60 per second. The preview shows the flat
    // picture at rest, so the rougher edges are seen only while the code tilts.
    static int recommendedSamples();

  private:
    struct GpuMesh;
    struct Frame;
    struct GpuTexture {
        TextureHandle source;  // kept alive so that its address stays a valid key
        std::unique_ptr<QOpenGLTexture> texture;
        bool used = true;
    };

    // A generated box remade for its size on screen (a corner radius of 0 for a plain box), with
    // only some of its faces (plain boxes only).
    struct BoxDetail {
        float cornerRadius = 0.0f;
        int roundingSteps = 1;
        unsigned faces = allBoxFaces;
        auto operator<=>(const BoxDetail&) const = default;
    };
    static BoxDetail boxDetailFor(const BoxDescription& box, float pixelsPerUnit);

    static std::unique_ptr<QOpenGLShaderProgram> buildProgram(const char* vertex,
                                                              const char* fragment, QString* error);
    static Frame frameFor(const SceneSnapshot& snapshot, QSize pixels);
    void drawGroups(const SceneSnapshot& snapshot, const Frame& frame);
    void drawGroup(const DrawGroup& group, const Frame& frame);
    void drawByFacesTowards(const DrawGroup& group, const Frame& frame);
    void uploadInstances(const std::vector<QMatrix4x4>& placements,
                         const std::vector<size_t>& order);
    void drawInstances(const GpuMesh& mesh, size_t first, size_t count);
    void pointAtInstances(size_t first);
    // The GPU copy of the mesh, or of a box remade with `detail`.
    GpuMesh& gpuMesh(const MeshHandle& mesh, const std::optional<BoxDetail>& detail);
    void upload(GpuMesh& gpu);
    QOpenGLTexture* gpuTexture(const TextureHandle& texture);
    void useProgram(QOpenGLShaderProgram& program);
    void setMaterial(const Material& material, const Mesh& mesh);
    void setLights(const SceneSnapshot& snapshot);
    void evictUnused();

    QOpenGLExtraFunctions gl_;
    std::unique_ptr<QOpenGLShaderProgram> litProgram_;
    std::unique_ptr<QOpenGLShaderProgram> unlitProgram_;
    QOpenGLShaderProgram* boundProgram_ = nullptr;
    unsigned instanceBuffer_ = 0;
    std::map<std::pair<const Mesh*, std::optional<BoxDetail>>, std::unique_ptr<GpuMesh>> meshes_;
    std::unordered_map<const Texture*, GpuTexture> textures_;
    std::vector<float> instanceData_;
    std::vector<std::uint8_t> facesOf_;  // per instance of the group being drawn
    std::vector<size_t> order_;          // its instances sorted by those faces
};

}  // namespace vostrel
