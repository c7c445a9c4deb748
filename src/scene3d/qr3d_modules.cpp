#include <unordered_map>

#include "render/module_layout.h"
#include "scene3d/box_mesh.h"
#include "scene3d/qr3d_module_color.h"
#include "scene3d/qr3d_scene_builder.h"

namespace vostrel::QR3DSceneBuilder {

namespace {

float cornerRadius(ModuleShape shape) {
    switch (shape) {
        case ModuleShape::square:
            return 0.0f;
        case ModuleShape::dot:
            return 0.48f;
        case ModuleShape::squircle:
            return 0.22f;
    }
    return 0.0f;
}

// The matrix in display order (rows reversed unless flipVertical), reading missing entries of a
// ragged row as light.
class DisplayRows {
  public:
    DisplayRows(const ModuleMatrix& matrix, bool flipVertical)
        : matrix_(matrix), flip_(flipVertical), n_(int(matrix.size())) {}

    bool isDark(int row, int col) const {
        const std::vector<bool>& source = matrix_[flip_ ? row : n_ - 1 - row];
        return col < int(source.size()) && source[col];
    }

    // The share of dark cells among the cells of the 5 × 5 window around (row, col) that lie
    // inside the matrix.
    double density(int row, int col) const {
        int counted = 0;
        int dark = 0;
        for (int r = std::max(row - 2, 0); r <= std::min(row + 2, n_ - 1); ++r) {
            for (int c = std::max(col - 2, 0); c <= std::min(col + 2, n_ - 1); ++c) {
                ++counted;
                dark += isDark(r, c) ? 1 : 0;
            }
        }
        return counted > 0 ? double(dark) / counted : 0.5;
    }

  private:
    const ModuleMatrix& matrix_;
    bool flip_;
    int n_;
};

// A fixed pseudo-random 0…0.999 per cell, so the skyline of square modules looks irregular but
// the same on every build.
double jitter(int row, int col) {
    std::uint32_t x = (std::uint32_t(col) * 19349663u) ^ (std::uint32_t(row) * 73856093u);
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return double(x % 1000u) / 1000.0;
}

float squareHeight(const DisplayRows& rows, int row, int col) {
    const double f = rows.density(row, col);
    return float(0.25 + 5.0 * f * f + 0.35 * jitter(row, col));
}

}  // namespace

void addModules(Entity& pivot, const ModuleMatrix& matrix, const QRStyle& style, float half,
                float u) {
    const ModuleLayout layout(matrix, style.flipVertical);
    const DisplayRows rows(matrix, style.flipVertical);
    const int n = layout.size();
    const auto q = float(style.quietZoneModules);
    const MeshHandle box = generateBox({1.0f, 1.0f, u}, cornerRadius(style.moduleShape));
    std::unordered_map<MaterialKey, MaterialHandle, MaterialKeyHash> materials;
    for (const ModuleCell& cell : layout.dataModules()) {
        const CodableColor color = moduleColor(style, n, cell.row, cell.col);
        MaterialHandle& material = materials[materialKey(color.r, color.g, color.b, color.a)];
        if (!material) material = moduleMaterial(color);
        std::unique_ptr<Entity> entity = Entity::makeModel(box, material);
        float h = 1.0f;
        if (style.moduleShape == ModuleShape::square) {
            h = squareHeight(rows, cell.row, cell.col);
            entity->transform.scale = {1.0f, 1.0f, h};
        }
        entity->transform.position = {(float(cell.col) + q) - half + 0.5f,
                                      half - (float(cell.row) + q) - 0.5f, h * u * 0.5f};
        pivot.addChild(std::move(entity));
    }
}

}  // namespace vostrel::QR3DSceneBuilder
