#include "view/title_text.h"

#include <GL/glu.h>

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>

#include <array>
#include <cstring>
#include <deque>
#include <string>

#include "model/gl_model.h"
#include "persistence/cp936.h"
#include "view/list_layout.h"

namespace velnor {

namespace {

// Glyphs are outlined at this pixel size and scaled down so that one em is one unit.
constexpr double kOutlineSize = 256.0;
constexpr double kExtrusion = 0.15;

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

QFont TitleFont(const LogFont& logFont) {
    const auto* bytes = reinterpret_cast<const char*>(logFont.lfFaceName.data());
    const std::string face =
        Cp936ToUtf8(std::string_view(bytes, strnlen(bytes, logFont.lfFaceName.size())));
    QFont font;
    font.setFamilies({QString::fromStdString(face), QStringLiteral("WenQuanYi Zen Hei"),
                      QStringLiteral("Liberation Serif")});
    font.setPixelSize(static_cast<int>(kOutlineSize));
    font.setBold(logFont.lfWeight >= 600);
    font.setItalic(logFont.lfItalic != 0);
    return font;
}

// One face of the glyph, at depth z, facing `normalZ`.
void Cap(const QList<QPolygonF>& outlines, double z, GLfloat normalZ) {
    std::vector<Vertex> vertices;
    for (const QPolygonF& outline : outlines) {
        for (const QPointF& p : outline) {
            vertices.push_back({p.x() / kOutlineSize, -p.y() / kOutlineSize, z});
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
            glNormal3d(-(q.y() - p.y()), -(q.x() - p.x()), 0.0);
            glVertex3d(p.x() / kOutlineSize, -p.y() / kOutlineSize, 0.0);
            glVertex3d(p.x() / kOutlineSize, -p.y() / kOutlineSize, -kExtrusion);
        }
        glEnd();
    }
}

void CompileGlyph(GLuint name, const QFont& font, const QString& glyph) {
    QPainterPath path;
    path.addText(0, 0, font, glyph);
    const QList<QPolygonF> outlines = path.toSubpathPolygons();
    glNewList(name, GL_COMPILE);
    if (!outlines.isEmpty()) {
        Cap(outlines, 0.0, 1.0f);
        Cap(outlines, -kExtrusion, -1.0f);
        Sides(outlines);
    }
    glTranslated(QFontMetricsF(font).horizontalAdvance(glyph) / kOutlineSize, 0.0, 0.0);
    glEndList();
}

// Compiles the glyphs of one title line from `first`; returns how many lists it filled.
int CompileLine(GLuint first, int maxGlyphs, const QFont& font, const std::string& text) {
    const QString line = QString::fromStdString(text);
    int count = 0;
    for (const uint codePoint : line.toUcs4()) {
        if (count == maxGlyphs) {
            break;
        }
        const char32_t character = codePoint;
        CompileGlyph(first + count, font, QString::fromUcs4(&character, 1));
        ++count;
    }
    return count;
}

void CallLine(GLuint first, int count, GLfloat x, GLfloat y) {
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    for (int i = 0; i < count; ++i) {
        glCallList(first + i);
    }
    glPopMatrix();
}

}  // namespace

void BuildTitle(GLuint base, const CGlModel& settings) {
    const QFont font = TitleFont(settings.m_titleFont);
    const int count1 = CompileLine(base + lists::kTitleGlyphs1, lists::kTitleMaxGlyphs1, font,
                                   settings.m_strTitle1);
    const int count2 = CompileLine(base + lists::kTitleGlyphs2, lists::kTitleMaxGlyphs2, font,
                                   settings.m_strTitle2);
    glNewList(base + lists::kTitle, GL_COMPILE);
    CallLine(base + lists::kTitleGlyphs1, count1, -2.2f, 0.4f);
    CallLine(base + lists::kTitleGlyphs2, count2, -2.0f, -0.8f);
    glEndList();
}

}  // namespace velnor
