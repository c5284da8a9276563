#include "view/teapot_mesh.h"

#include <GL/freeglut.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>

#include "view/gl_setup.h"

namespace velnor {

namespace {

// The teapot is drawn scaled by this into the unit cube, so that nothing of it is clipped, on a
// viewport of 2 x 2: a window coordinate w is then the scene coordinate (w - 1) / kShrink.
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

// Reads the feedback tokens: polygons as fans of triangles, lines as segments.
class FeedbackReader {
public:
    explicit FeedbackReader(const std::vector<GLfloat>& values) : m_values(values) {}

    void ReadInto(TeapotMesh& mesh) {
        while (m_next < m_values.size()) {
            const auto token = static_cast<GLenum>(Take());
            if (token == GL_POLYGON_TOKEN) {
                const auto count = static_cast<size_t>(Take());
                std::vector<QVector3D> corners;
                for (size_t i = 0; i < count; ++i) {
                    corners.push_back(Vertex());
                }
                for (size_t i = 2; i < corners.size(); ++i) {
                    mesh.triangles.push_back({corners[0], corners[i - 1], corners[i]});
                }
            } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                const QVector3D a = Vertex();
                mesh.segments.push_back({a, Vertex()});
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
    FeedbackReader(Feedback(&SolidTeapot)).ReadInto(mesh);
    FeedbackReader(Feedback(&WireTeapot)).ReadInto(mesh);
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
