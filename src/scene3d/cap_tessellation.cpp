#include "scene3d/cap_tessellation.h"

#include <GL/glu.h>

#include <array>
#include <deque>
#include <memory>

namespace vostrel {

namespace {

using Coordinates = std::array<GLdouble, 3>;

// What the callbacks of one tessellation pass collect.
struct TessellationPass {
    std::deque<Coordinates> vertices;  // stable addresses for the tessellator
    std::vector<QPointF> points;       // triangle corners, or the current contour
    std::vector<Path2D::Contour> contours;
    GLenum error = 0;
};

TessellationPass& passOf(void* data) {
    return *static_cast<TessellationPass*>(data);
}

void GLAPIENTRY onBegin(GLenum, void*) {}

void GLAPIENTRY onVertex(void* vertex, void* data) {
    const auto* xyz = static_cast<const GLdouble*>(vertex);
    passOf(data).points.emplace_back(xyz[0], xyz[1]);
}

void GLAPIENTRY onBoundaryEnd(void* data) {
    TessellationPass& pass = passOf(data);
    pass.contours.push_back(std::move(pass.points));
    pass.points.clear();
}

void GLAPIENTRY onTriangleEnd(void*) {}

// Having an edge-flag callback makes the tessellator emit plain triangles, never fans or strips.
void GLAPIENTRY onEdgeFlag(GLboolean, void*) {}

void GLAPIENTRY onCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* data) {
    TessellationPass& pass = passOf(data);
    pass.vertices.push_back({coords[0], coords[1], coords[2]});
    *out = pass.vertices.back().data();
}

void GLAPIENTRY onError(GLenum error, void* data) {
    passOf(data).error = error;
}

template <class F>
_GLUfuncptr callback(F* function) {
    return reinterpret_cast<_GLUfuncptr>(function);
}

Expected<TessellationPass, QString> runPass(const Path2D& path, bool boundaryOnly) {
    std::unique_ptr<GLUtesselator, void (*)(GLUtesselator*)> tess(gluNewTess(), gluDeleteTess);
    if (!tess) return unexpected(QStringLiteral("the tessellator could not be created"));
    gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_POSITIVE);
    gluTessProperty(tess.get(), GLU_TESS_BOUNDARY_ONLY, boundaryOnly ? GL_TRUE : GL_FALSE);
    gluTessNormal(tess.get(), 0.0, 0.0, 1.0);
    gluTessCallback(tess.get(), GLU_TESS_BEGIN_DATA, callback(onBegin));
    gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, callback(onVertex));
    gluTessCallback(tess.get(), GLU_TESS_END_DATA,
                    boundaryOnly ? callback(onBoundaryEnd) : callback(onTriangleEnd));
    gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, callback(onCombine));
    gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, callback(onError));
    if (!boundaryOnly) gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA, callback(onEdgeFlag));

    TessellationPass pass;
    gluTessBeginPolygon(tess.get(), &pass);
    for (const Path2D::Contour& contour : path.contours()) {
        gluTessBeginContour(tess.get());
        for (const QPointF& point : contour) {
            pass.vertices.push_back({point.x(), point.y(), 0.0});
            gluTessVertex(tess.get(), pass.vertices.back().data(), pass.vertices.back().data());
        }
        gluTessEndContour(tess.get());
    }
    gluTessEndPolygon(tess.get());
    if (pass.error != 0) {
        return unexpected(
            QString::fromLatin1(reinterpret_cast<const char*>(gluErrorString(pass.error))));
    }
    return pass;
}

double signedArea(const QPointF& a, const QPointF& b, const QPointF& c) {
    return (b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y());
}

}  // namespace

Expected<TessellatedRegion, QString> tessellateRegion(const Path2D& path) {
    auto triangles = runPass(path, false);
    if (!triangles) return unexpected(triangles.error());
    auto boundary = runPass(path, true);
    if (!boundary) return unexpected(boundary.error());
    TessellatedRegion region{std::move(triangles->points), std::move(boundary->contours)};
    // The tessellator's orientation follows the normal given above; checking each triangle keeps
    // the caps right whatever a GLU build does.
    for (size_t i = 0; i + 2 < region.triangles.size(); i += 3) {
        if (signedArea(region.triangles[i], region.triangles[i + 1], region.triangles[i + 2]) < 0)
            std::swap(region.triangles[i + 1], region.triangles[i + 2]);
    }
    return region;
}

}  // namespace vostrel
