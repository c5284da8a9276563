#include "view/shape_drawing.h"

#include <GL/glu.h>

#include <array>
#include <cstddef>
#include <deque>

#include "shapes/molecule.h"

namespace velnor {

namespace {

void SetMaterial(const MoleculeMaterial& material) {
    constexpr GLfloat kSpecular[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material.ambient.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material.diffuse.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.shininess);
}

void ApplyPaint(const Surface& surface) {
    switch (surface.paint) {
        case SurfacePaint::kSolid:
            break;
        case SurfacePaint::kOwnColour:
            glColor3ub(surface.ownColour.r, surface.ownColour.g, surface.ownColour.b);
            break;
        case SurfacePaint::kStickMaterial:
            SetMaterial(kStickMaterial);
            break;
        case SurfacePaint::kAtomMaterial:
            SetMaterial(kAtomMaterial);
            break;
    }
}

void DrawSurface(const Surface& surface) {
    constexpr auto kStride = static_cast<GLsizei>(sizeof(MeshVertex));
    const MeshVertex* first = surface.vertices.data();
    glVertexPointer(3, GL_FLOAT, kStride, &first->position);
    glNormalPointer(GL_FLOAT, kStride, &first->normal);
    glTexCoordPointer(2, GL_FLOAT, kStride, &first->s);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(surface.triangles.size()), GL_UNSIGNED_INT,
                   surface.triangles.data());
}

using TessVertex = std::array<GLdouble, 3>;

// Vertices the tessellator invents where outlines cross; they must outlive the tessellation.
std::deque<TessVertex>& CombinedVertices() {
    static std::deque<TessVertex> vertices;
    return vertices;
}

void TessBegin(GLenum type) {
    glBegin(type);
}
void TessVertexCall(void* data) {
    glVertex3dv(static_cast<const GLdouble*>(data));
}
void TessEnd() {
    glEnd();
}
void TessCombine(const GLdouble coords[3], void* [4], const GLfloat[4], void** out) {
    CombinedVertices().push_back({coords[0], coords[1], coords[2]});
    *out = CombinedVertices().back().data();
}

// A flat face with holes, by the non-zero rule.
void DrawFlatFace(const FlatFace& face) {
    std::vector<TessVertex> vertices;
    for (const MeshLine& contour : face.contours) {
        for (const Vec3& p : contour) {
            vertices.push_back({p.x, p.y, p.z});
        }
    }
    GLUtesselator* tess = gluNewTess();
    gluTessCallback(tess, GLU_TESS_BEGIN, reinterpret_cast<void (*)()>(&TessBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX, reinterpret_cast<void (*)()>(&TessVertexCall));
    gluTessCallback(tess, GLU_TESS_END, reinterpret_cast<void (*)()>(&TessEnd));
    gluTessCallback(tess, GLU_TESS_COMBINE, reinterpret_cast<void (*)()>(&TessCombine));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, face.normal.x, face.normal.y, face.normal.z);
    glNormal3f(face.normal.x, face.normal.y, face.normal.z);
    gluTessBeginPolygon(tess, nullptr);
    size_t next = 0;
    for (const MeshLine& contour : face.contours) {
        gluTessBeginContour(tess);
        for (size_t i = 0; i < contour.size(); ++i, ++next) {
            gluTessVertex(tess, vertices[next].data(), vertices[next].data());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
    CombinedVertices().clear();
}

}  // namespace

void DrawSurfaces(const std::vector<Surface>& surfaces) {
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    for (const Surface& surface : surfaces) {
        ApplyPaint(surface);
        DrawSurface(surface);
    }
    glPopClientAttrib();
}

void DrawLines(const std::vector<MeshLine>& lines, const std::vector<MeshLine>& normals) {
    const bool lit = normals.size() == lines.size();
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    if (lit) {
        glEnableClientState(GL_NORMAL_ARRAY);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        glVertexPointer(3, GL_FLOAT, sizeof(Vec3), lines[i].data());
        if (lit) {
            glNormalPointer(GL_FLOAT, sizeof(Vec3), normals[i].data());
        }
        glDrawArrays(GL_LINE_STRIP, 0, static_cast<GLsizei>(lines[i].size()));
    }
    glPopClientAttrib();
}

void DrawDashedWhereHidden(const std::vector<MeshLine>& lines, GLenum hiddenTest) {
    glDepthFunc(hiddenTest);
    glEnable(GL_LINE_STIPPLE);
    DrawLines(lines);
    glDisable(GL_LINE_STIPPLE);
    glDepthFunc(GL_LEQUAL);
    DrawLines(lines);
}

void DrawShape(const SolidShape& shape) {
    DrawSurfaces(shape.surfaces);
    for (const FlatFace& face : shape.flatFaces) {
        DrawFlatFace(face);
    }
    if (shape.linesDashedWhereHidden) {
        DrawDashedWhereHidden(shape.lines, GL_GREATER);
    } else {
        DrawLines(shape.lines, shape.lineNormals);
    }
}

}  // namespace velnor
