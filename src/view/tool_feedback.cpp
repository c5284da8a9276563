#include "view/tool_feedback.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "editing/tool_state.h"
#include "model/gl_model.h"
#include "model/line_cell.h"
#include "model/page.h"
#include "view/cell_renderer.h"
#include "view/gl_scene.h"
#include "view/list_layout.h"

namespace velnor {

namespace {

void ShownVerticesInGreen(const CGpage& page) {
    std::vector<GLubyte> shown;
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        if (page.m_bShown[i]) {
            shown.push_back(static_cast<GLubyte>(i));
        }
    }
    glColor3f(0.0f, 1.0f, 0.0f);
    glDisableClientState(GL_COLOR_ARRAY);
    if (!shown.empty()) {
        glDrawElements(GL_POINTS, static_cast<GLsizei>(shown.size()), GL_UNSIGNED_BYTE,
                       shown.data());
    }
}

void Vertex(const Point3d& p) {
    glVertex3d(p[0], p[1], p[2]);
}

void RedPoint(const Point3d& p) {
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_POINTS);
    Vertex(p);
    glEnd();
}

// Turns +z, along which the arrow head is drawn, onto d.
void RotateZOnto(const Point3d& d) {
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (d[0] != 0.0 || d[1] != 0.0) {
        glRotated(std::acos(d[2] / length) * 180.0 / 3.14159265359, -d[1], d[0], 0.0);
    } else if (d[2] < 0.0) {
        glRotated(180.0, 0.0, 1.0, 0.0);
    }
}

// From start to the cursor in the current line kind, stippled, in the current colour.
void RubberBand(const Point3d& from, const Point3d& to, int kind, GLuint listBase) {
    const Point3d d{to[0] - from[0], to[1] - from[1], to[2] - from[2]};
    if (d == Point3d{}) {
        return;
    }
    glEnable(GL_LINE_STIPPLE);
    glBegin(GL_LINES);
    if (kind == kRay || kind == kStraightLine) {
        glVertex4d(from[0], from[1], from[2], 1.0);
        glVertex4d(d[0], d[1], d[2], 0.0);
        if (kind == kStraightLine) {
            glVertex4d(from[0], from[1], from[2], 1.0);
            glVertex4d(-d[0], -d[1], -d[2], 0.0);
        }
    } else {
        Vertex(from);
        Vertex(to);
    }
    glEnd();
    glDisable(GL_LINE_STIPPLE);
    if (kind == kVector) {
        glPushMatrix();
        glTranslated(to[0], to[1], to[2]);
        RotateZOnto(d);
        glCallList(listBase + lists::kArrowHead);
        glPopMatrix();
    }
}

// A coordinate as the readout shows it, to 0.1: a value that rounds to zero reads 0.0, not -0.0.
double Shown(double value) {
    const double rounded = std::round(value * 10.0) / 10.0;
    return rounded == 0.0 ? 0.0 : rounded;
}

constexpr int kReadoutMargin = 4;

// How far the readout must move to stay inside the viewport, from the raster position it starts.
std::array<float, 2> ShiftInside(float width, int height) {
    std::array<GLfloat, 4> at{};
    std::array<GLint, 4> viewport{};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, at.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    const float right = static_cast<float>(viewport[0] + viewport[2] - kReadoutMargin);
    const float top = static_cast<float>(viewport[1] + viewport[3] - kReadoutMargin - height);
    const float dx =
        std::max(std::min(0.0f, right - (at[0] + width)), static_cast<float>(viewport[0]) - at[0]);
    return {dx, std::min(0.0f, top - at[1])};
}

// Black around, white inside: readable over the grid, the axes and any figure.
void OutlinedText(const Point3d& at, std::array<float, 2> shift, const char* text,
                  GLuint listBase) {
    const auto drawAt = [&](float dx, float dy) {
        glRasterPos3d(at[0], at[1], at[2]);
        ShiftRasterPosition(shift[0] + dx, shift[1] + dy);
        CallLabelString(listBase, text);
    };
    glColor3f(0.0f, 0.0f, 0.0f);
    for (const float dx : {-1.0f, 0.0f, 1.0f}) {
        for (const float dy : {-1.0f, 0.0f, 1.0f}) {
            drawAt(dx, dy);
        }
    }
    glColor3f(1.0f, 1.0f, 1.0f);
    drawAt(0.0f, 0.0f);
}

void CursorWithCoordinates(const Point3d& c, const GlScene& scene) {
    RedPoint(c);
    const std::string readout = CursorReadout(c);
    const char* text = readout.c_str();
    const Point3d at{c[0] + 0.2, c[1] + 0.2, c[2] + 0.2};
    glRasterPos3d(at[0], at[1], at[2]);
    GLboolean valid = GL_FALSE;
    glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    if (!valid) {
        return;
    }
    const float width = LabelStringWidth(scene, text);
    OutlinedText(at, ShiftInside(width, scene.LabelPixelSize()), text, scene.ListBase());
}

void GuideLines(const Point3d& c) {
    glColor3f(1.0f, 0.2f, 1.0f);
    glEnable(GL_LINE_STIPPLE);
    glBegin(GL_LINES);
    Vertex(c);
    glVertex3d(c[0], c[1], 0.0);
    glVertex3d(c[0], c[1], 0.0);
    glVertex3d(c[0], 0.0, 0.0);
    glVertex3d(c[0], c[1], 0.0);
    glVertex3d(0.0, c[1], 0.0);
    glEnd();
    glDisable(GL_LINE_STIPPLE);
}

Point3d PositionOf(const CGpage& page, int vertex) {
    const Float3& p = page.m_pos[vertex & 0xFF];
    return {p[0], p[1], p[2]};
}

// The top the pencil would build for the cursor where it is: its edges and the side edges.
void TopPreview(const CGpage& page, const ToolState& state, double ratio) {
    const int n = state.m_nBase;
    if (n < 3) {
        return;
    }
    const Point3d v0 = PositionOf(page, state.m_chain[1]);
    const Point3d top = PositionOf(page, state.m_chain[ToolState::kTopPlaced]);
    std::vector<Point3d> tops;
    for (int i = 1; i <= n; ++i) {
        tops.push_back(TopVertex(v0, PositionOf(page, state.m_chain[i]), top, ratio));
    }
    glColor3f(0.8f, 0.8f, 0.0f);
    glEnable(GL_LINE_STIPPLE);
    glBegin(GL_LINES);
    for (int i = 0; i < n; ++i) {
        Vertex(PositionOf(page, state.m_chain[i + 1]));
        Vertex(tops[static_cast<size_t>(i)]);
        Vertex(tops[static_cast<size_t>(i)]);
        Vertex(tops[static_cast<size_t>((i + 1) % n)]);
    }
    glEnd();
    glDisable(GL_LINE_STIPPLE);
}

void PencilFeedback(const CGpage& page, const ToolState& state, const CGlModel& settings,
                    const GlScene& scene, bool axesShown, double topRatio) {
    const GLuint listBase = scene.ListBase();
    if (state.m_nChain == ToolState::kTopPlaced) {
        TopPreview(page, state, topRatio);
        return;
    }
    CursorWithCoordinates(state.m_vCursor, scene);
    if (axesShown) {
        GuideLines(state.m_vCursor);
    }
    if (state.m_nChain > 0) {
        glColor3f(0.8f, 0.8f, 0.0f);
        RubberBand(state.m_vStart, state.m_vCursor, settings.m_nLineKind, listBase);
    }
}

}  // namespace

std::string CursorReadout(const Point3d& cursor) {
    char text[64];
    std::snprintf(text, sizeof text, "( %.1f, %.1f, %.1f)", Shown(cursor[0]), Shown(cursor[1]),
                  Shown(cursor[2]));
    return text;
}

void DrawToolFeedback(const CGpage& page, const ToolState& state, const CGlModel& settings,
                      const GlScene& scene, bool axesShown, double topRatio) {
    const GLuint listBase = scene.ListBase();
    if (state.m_nTool == kToolMidpoint || state.m_nTool == kToolLocked) {
        return;
    }
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_LINE_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, page.m_pos.data());
    ShownVerticesInGreen(page);
    if (state.m_nTool == kToolLine && state.m_nStage == kStageSecond) {
        RubberBand(state.m_vStart, state.m_vCursor, settings.m_nLineKind, listBase);
        RedPoint(state.m_vCursor);
    } else if (state.m_nTool == kToolPencil) {
        PencilFeedback(page, state, settings, scene, axesShown, topRatio);
    }
    glPopClientAttrib();
    glPopAttrib();
}

}  // namespace velnor
