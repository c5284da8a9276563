#include "view/title_text.h"

#include <GL/glu.h>

#include <array>
#include <deque>

#include "view/list_layout.h"
#include "view/title_glyphs.h"

namespace velnor {

namespace {

using Vertex = std::array<GLdouble, 3>;

// Vertices the tessellator invents where outlines cross; they must outlive the tessellation.
std::deque<Vertex>& CombinedVertices() {
    static std::deque<Vertex> vertices;
    return vertices;
}

void TessBegin(GLenum type) {
    glBegin(type);
}
void TessVertex(void* data) {
    glVertex3dv(static_cast<const GLdouble*>(data));
}
void TessEnd() {
    glEnd();
}
void TessCombine(const GLdouble coords[3], void* [4], const GLfloat[4], void** out) {
    CombinedVertices().push_back({coords[0], coords[1], coords[2]});
    *out = CombinedVertices().back().data();
}

// One face of the glyph, at depth z, facing `normalZ`.
void Cap(const QList<QPolygonF>& outlines, double z, GLfloat normalZ) {
    std::vector<Vertex> vertices;
    for (const QPolygonF& outline : outlines) {
        for (const QPointF& p : outline) {
            vertices.push_back({p.x(), p.y(), z});
        }
    }
    GLUtesselator* tess = gluNewTess();
    gluTessCallback(tess, GLU_TESS_BEGIN, reinterpret_cast<void (*)()>(&TessBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX, reinterpret_cast<void (*)()>(&TessVertex));
    gluTessCallback(tess, GLU_TESS_END, reinterpret_cast<void (*)()>(&TessEnd));
    gluTessCallback(tess, GLU_TESS_COMBINE, reinterpret_cast<void (*)()>(&TessCombine));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, 0, 0, normalZ);
    glNormal3f(0, 0, normalZ);
    gluTessBeginPolygon(tess, nullptr);
    size_t next = 0;
    for (const QPolygonF& outline : outlines) {
        gluTessBeginContour(tess);
        for (qsizetype i = 0; i < outline.size(); ++i, ++next) {
            gluTessVertex(tess, vertices[next].data(), vertices[next].data());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
    CombinedVertices().clear();
}

void Sides(const QList<QPolygonF>& outlines) {
    for (const QPolygonF& outline : outlines) {
        glBegin(GL_QUAD_STRIP);
        for (qsizetype i = 0; i <= outline.size(); ++i) {
            const QPointF p = outline[i % outline.size()];
            const QPointF q = outline[(i + 1) % outline.size()];
            glNormal3d(q.y() - p.y(), -(q.x() - p.x()), 0.0);
            glVertex3d(p.x(), p.y(), 0.0);
            glVertex3d(p.x(), p.y(), -kTitleDepth);
        }
        glEnd();
    }
}

void CompileGlyph(GLuint name, const TitleGlyph& glyph) {
    glNewList(name, GL_COMPILE);
    if (!glyph.outlines.isEmpty()) {
        Cap(glyph.outlines, 0.0, 1.0f);
        Cap(glyph.outlines, -kTitleDepth, -1.0f);
        Sides(glyph.outlines);
    }
    glTranslated(glyph.advance, 0.0, 0.0);
    glEndList();
}

// Compiles the glyphs of one title line from `first` and the list that draws them in place.
void CompileLine(GLuint first, const TitleLine& line) {
    for (size_t i = 0; i < line.glyphs.size(); ++i) {
        CompileGlyph(first + static_cast<GLuint>(i), line.glyphs[i]);
    }
}

void CallLine(GLuint first, const TitleLine& line) {
    glPushMatrix();
    glTranslated(line.start.x(), line.start.y(), 0.0);
    for (size_t i = 0; i < line.glyphs.size(); ++i) {
        glCallList(first + static_cast<GLuint>(i));
    }
    glPopMatrix();
}

}  // namespace

void BuildTitle(GLuint base, const CGlModel& settings) {
    const std::vector<TitleLine> lines =
        TitleLines(settings, lists::kTitleMaxGlyphs1, lists::kTitleMaxGlyphs2);
    CompileLine(base + lists::kTitleGlyphs1, lines[0]);
    CompileLine(base + lists::kTitleGlyphs2, lines[1]);
    glNewList(base + lists::kTitle, GL_COMPILE);
    CallLine(base + lists::kTitleGlyphs1, lines[0]);
    CallLine(base + lists::kTitleGlyphs2, lines[1]);
    glEndList();
}

}  // namespace velnor
