#include "view/teapot_mesh.h"

#include <GL/freeglut.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>

#include "view/gl_setup.h"

namespace velnor {

namespace {

// The teapot is drawn scaled by this into the unit cube, so that nothing of it is clipped, on a
// viewport of 2 x 2: a window x or y of w is then the scene's (w - 1) / kShrink, a depth d its
// (2 d - 1) / kShrink.
constexpr float kShrink = 0.25f;
constexpr size_t kLargestBuffer = size_t{1} << 26;

// What OpenGL's feedback mode reports for one drawing; empty when it does not fit.
std::vector<GLfloat> Feedback(void (*draw)()) {
    std::vector<GLfloat> buffer(size_t{1} << 20);
    while (buffer.size() <= kLargestBuffer) {
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        const GLint count = glRenderMode(GL_RENDER);
        if (count >= 0) {
            buffer.resize(static_cast<size_t>(count));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
    return {};
}

using Triangle = std::array<QVector3D, 3>;

QVector3D Normal(const QVector3D& a, const QVector3D& b, const QVector3D& c) {
    return QVector3D::crossProduct(b - a, c - a).normalized();
}

// Two triangles a b c and a c d of a grid are the quad a b c d when it is flat and convex:
// the triangles at its four corners all turn alike.
bool JoinsIntoQuad(const Triangle& first, const Triangle& second) {
    const auto& [a, b, c] = first;
    const QVector3D& d = second[2];
    if (second[0] != a || second[1] != c) {
        return false;
    }
    const QVector3D n = Normal(a, b, c);
    return QVector3D::dotProduct(n, Normal(a, c, d)) > 0.95f &&
           QVector3D::dotProduct(n, Normal(b, c, d)) > 0.0f &&
           QVector3D::dotProduct(n, Normal(a, b, d)) > 0.0f;
}

std::vector<std::vector<QVector3D>> JoinedInPairs(const std::vector<Triangle>& triangles) {
    std::vector<std::vector<QVector3D>> pieces;
    for (size_t i = 0; i < triangles.size(); ++i) {
        const Triangle& t = triangles[i];
        if (i + 1 < triangles.size() && JoinsIntoQuad(t, triangles[i + 1])) {
            pieces.push_back({t[0], t[1], t[2], triangles[i + 1][2]});
            ++i;
        } else {
            pieces.push_back({t[0], t[1], t[2]});
        }
    }
    return pieces;
}

// Reads the feedback tokens: polygons as fans of triangles, line strips as polylines.
class FeedbackReader {
public:
    explicit FeedbackReader(const std::vector<GLfloat>& values) : m_values(values) {}

    void ReadInto(std::vector<Triangle>& triangles, TeapotMesh& mesh) {
        while (m_next < m_values.size()) {
            const auto token = static_cast<GLenum>(Take());
            if (token == GL_POLYGON_TOKEN) {
                const auto count = static_cast<size_t>(Take());
                std::vector<QVector3D> corners;
                for (size_t i = 0; i < count; ++i) {
                    corners.push_back(Vertex());
                }
                for (size_t i = 2; i < corners.size(); ++i) {
                    triangles.push_back({corners[0], corners[i - 1], corners[i]});
                }
            } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                const QVector3D a = Vertex();
                const QVector3D b = Vertex();
                if (token == GL_LINE_RESET_TOKEN || mesh.lines.empty() ||
                    mesh.lines.back().back() != a) {
                    mesh.lines.push_back({a});
                }
                mesh.lines.back().push_back(b);
            } else if (token == GL_PASS_THROUGH_TOKEN) {
                Take();
            } else {
                Vertex();  // points, bitmaps and pixel copies: one vertex each
            }
        }
    }

private:
    GLfloat Take() { return m_next < m_values.size() ? m_values[m_next++] : 0.0f; }

    QVector3D Vertex() {
        const float x = Take(), y = Take(), z = Take();
        return QVector3D(x - 1.0f, y - 1.0f, 2.0f * z - 1.0f) / kShrink;
    }

    const std::vector<GLfloat>& m_values;
    size_t m_next = 0;
};

void SolidTeapot() {
    glutSolidTeapot(1.0);
}

void WireTeapot() {
    glutWireTeapot(1.0);
}

TeapotMesh ReadTeapot() {
    QOpenGLContext* previous = QOpenGLContext::currentContext();
    QSurface* previousSurface = previous ? previous->surface() : nullptr;
    QOffscreenSurface surface;
    surface.setFormat(CompatibilityFormat());
    surface.create();
    QOpenGLContext context;
    context.setFormat(CompatibilityFormat());
    TeapotMesh mesh;
    // GLUT is started only once a context shows that OpenGL is there.
    if (!context.create() || !context.makeCurrent(&surface)) {
        return mesh;
    }
    InitGlutOnce();
    glViewport(0, 0, 2, 2);
    glDepthRange(0.0, 1.0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(kShrink, kShrink, kShrink);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    std::vector<Triangle> triangles;
    FeedbackReader(Feedback(&SolidTeapot)).ReadInto(triangles, mesh);
    FeedbackReader(Feedback(&WireTeapot)).ReadInto(triangles, mesh);
    mesh.pieces = JoinedInPairs(triangles);
    context.doneCurrent();
    if (previous && previousSurface) {
        previous->makeCurrent(previousSurface);
    }
    return mesh;
}

}  // namespace

const TeapotMesh& Teapot() {
    static const TeapotMesh mesh = ReadTeapot();
    return mesh;
}

}  // namespace velnor
