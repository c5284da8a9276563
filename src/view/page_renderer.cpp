#include "view/page_renderer.h"

#include <GL/gl.h>

#include <array>
#include <vector>

#include "model/gl_model.h"
#include "model/page.h"
#include "view/cell_batches.h"
#include "view/cell_renderer.h"
#include "view/face_palette.h"
#include "view/gl_scene.h"
#include "view/overlay_text_place.h"
#include "view/render_env.h"
#include "view/solid_renderer.h"
#include "view/vertex_labels.h"
#include "view/window_pixel_space.h"

namespace velnor {

namespace {

static_assert(sizeof(Float3) == 3 * sizeof(float), "the vertex table must be tightly packed");

void SetColor(Rgb c) {
    glColor3ub(c.r, c.g, c.b);
}

template <typename Cell, typename Action>
void ForEachSelected(const CellMap<Cell>& map, const std::vector<int>& keys, Action action) {
    for (const int key : keys) {
        const auto found = map.find(static_cast<uint16_t>(key));
        if (found != map.end()) {
            action(*found->second);
        }
    }
}

LineBatch AllLines(const CGpage& page) {
    LineBatch batch;
    for (const auto& [key, line] : page.m_lines) {
        batch.Add(*line);
    }
    return batch;
}

LineBatch SelectedLines(const CGpage& page) {
    LineBatch batch;
    ForEachSelected(page.m_lines, page.m_selLines, [&](const CLineCell& line) { batch.Add(line); });
    return batch;
}

void DrawFacesInPalette(const CGpage& page) {
    int number = 0;
    for (const auto& [key, face] : page.m_faces) {
        const PaletteColor& c = FacePaletteColor(number++);
        glColor3ub(c[0], c[1], c[2]);
        DrawFace(*face);
    }
}

// The solid drawings bring their own vertex arrays; they must not read the page's colour table.
template <typename Draw>
void WithSolidArrays(const CGpage& page, bool positionsAsColors, Draw draw) {
    GLboolean colorArray = glIsEnabled(GL_COLOR_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    draw();
    glEnableClientState(GL_VERTEX_ARRAY);
    if (colorArray) {
        glEnableClientState(GL_COLOR_ARRAY);
    }
    BindPageArrays(page, positionsAsColors);
}

bool IsBitText(const CSubassembly& solid) {
    return solid.m_nKind == kSolidBitmapText;
}

void DrawSolids(CGpage& page, const RenderEnv& env) {
    for (auto& [key, solid] : page.m_solids) {
        if (!IsBitText(*solid)) {
            DrawSolid(*solid, env);
        }
    }
}

// Titles and captions go over everything else of the figure (they are drawn without the depth
// test), so they come last.
void DrawBitTexts(CGpage& page, const RenderEnv& env) {
    for (auto& [key, solid] : page.m_solids) {
        if (IsBitText(*solid)) {
            DrawSolid(*solid, env);
        }
    }
}

void DrawLabels(const CGpage& page, const RenderEnv& env) {
    SetColor(env.settings.m_labelColor);
    glDepthFunc(GL_ALWAYS);
    DrawVertexLabels(page, env);
}

void DrawPoints(const std::vector<GLubyte>& indices) {
    if (!indices.empty()) {
        glDrawElements(GL_POINTS, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_BYTE,
                       indices.data());
    }
}

void DrawDots(const CGpage& page, const RenderEnv& env) {
    std::vector<GLubyte> shown;
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        if (page.m_bShown[i]) {
            shown.push_back(static_cast<GLubyte>(i));
        }
    }
    SetColor(env.settings.m_newPointColor);
    DrawPoints(shown);
}

// The selection shows in its own colour in every display mode: without the colours of the vertex
// table (彩色线条, 迷彩) and without a texture over it.
template <typename Draw>
void InSelectionColor(const RenderEnv& env, Draw draw) {
    glPushAttrib(GL_ENABLE_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisable(GL_TEXTURE_2D);
    SetColor(env.settings.m_selectColor);
    draw();
    glPopClientAttrib();
    glPopAttrib();
}

void DrawSelectedVertices(const CGpage& page, const RenderEnv& env) {
    std::vector<GLubyte> selected;
    for (const int i : page.m_selPoints) {
        if (i >= 0 && i < page.m_nVertexCount) {
            selected.push_back(static_cast<GLubyte>(i));
        }
    }
    InSelectionColor(env, [&] {
        DrawSelectedPoints(selected, env.settings.m_selectColor, env.settings.m_bgColor);
    });
}

void DrawFillMode(CGpage& page, const RenderEnv& env, bool positionsAsColors) {
    DrawFacesInPalette(page);
    glEnable(GL_LIGHTING);
    SetColor(env.settings.m_componentColor);
    WithSolidArrays(page, positionsAsColors, [&] { DrawSolids(page, env); });
    glDisable(GL_LIGHTING);
    SetColor(env.settings.m_lineColor);
    AllLines(page).Draw(page, env.scene.ListBase());
    glEnable(GL_LIGHTING);
    DrawBitTexts(page, env);
    glDisable(GL_LIGHTING);
}

void DrawHiddenLineMode(CGpage& page, const RenderEnv& env, bool positionsAsColors) {
    const CGlModel& s = env.settings;
    const GLuint base = env.scene.ListBase();
    const bool blending = s.m_bBlending;

    // Only selected faces are painted; the offset keeps a face's edges in front of its fill.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.6f, 1.0f);
    if (blending) {
        glDisable(GL_BLEND);
    }
    if (s.m_nFillStipple != 0) {
        SetColor(s.m_fillColor);
        glEnable(GL_POLYGON_STIPPLE);
        ForEachSelected(page.m_faces, page.m_selFaces, [](const CFaceCell& f) { DrawFace(f); });
        glDisable(GL_POLYGON_STIPPLE);
    } else {
        int number = 0;
        ForEachSelected(page.m_faces, page.m_selFaces, [&](const CFaceCell& f) {
            const PaletteColor& c = FacePaletteColor(number++);
            glColor3ub(c[0], c[1], c[2]);
            DrawFace(f);
        });
    }
    if (blending) {
        glEnable(GL_BLEND);
    }

    // Every face, and the bodies of the outline solids, only into the depth buffer.
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    FaceBatch faces;
    for (const auto& [key, face] : page.m_faces) {
        faces.Add(*face);
    }
    faces.Draw();
    WithSolidArrays(page, positionsAsColors, [&] {
        for (auto& [key, solid] : page.m_solids) {
            DrawSolidDepthOnly(*solid, env);
        }
    });
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    if (blending) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }

    // What lies behind a face comes out dashed, the rest solid.
    const LineBatch lines = AllLines(page);
    const LineBatch selectedLines = SelectedLines(page);
    glDepthFunc(GL_GREATER);
    glEnable(GL_LINE_STIPPLE);
    InSelectionColor(env, [&] { selectedLines.Draw(page, base); });
    SetColor(s.m_lineColor);
    lines.Draw(page, base);
    glDisable(GL_LINE_STIPPLE);

    glDepthFunc(GL_LEQUAL);
    lines.Draw(page, base);
    if (blending) {
        glBlendFunc(GL_SRC_ALPHA, GL_ZERO);
    }
    InSelectionColor(env, [&] { selectedLines.Draw(page, base); });

    DrawLabels(page, env);
    if (page.m_bShowDots) {
        DrawDots(page, env);
    }
    DrawSelectedVertices(page, env);

    glDepthFunc(GL_LEQUAL);
    if (blending) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    if (s.m_bLighting) {
        glEnable(GL_LIGHTING);
    }
    SetColor(s.m_componentColor);
    WithSolidArrays(page, positionsAsColors, [&] { DrawSolids(page, env); });
    DrawBitTexts(page, env);
    glDisable(GL_LIGHTING);

    if (blending) {
        glBlendFunc(GL_SRC_ALPHA, GL_ZERO);
    }
    WithSolidArrays(page, positionsAsColors, [&] {
        InSelectionColor(env, [&] {
            ForEachSelected(page.m_solids, page.m_selSolids,
                            [&](CSubassembly& solid) { DrawSolidOutline(solid, env); });
        });
    });
}

}  // namespace

void BindPageArrays(const CGpage& page, bool positionsAsColors) {
    glVertexPointer(3, GL_FLOAT, 0, page.m_pos.data());
    glColorPointer(3, GL_FLOAT, 0, positionsAsColors ? page.m_pos.data() : page.m_color.data());
}

void DrawPage(CGpage& page, const RenderEnv& env, bool positionsAsColors) {
    if (page.m_bClip) {
        glClipPlane(GL_CLIP_PLANE0, page.m_clipPlane.data());
        glEnable(GL_CLIP_PLANE0);
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    BindPageArrays(page, positionsAsColors);
    if (page.m_bFillFaces) {
        DrawFillMode(page, env, positionsAsColors);
    } else {
        DrawHiddenLineMode(page, env, positionsAsColors);
    }
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_CLIP_PLANE0);
}

bool PageNeedsOverlay(const CGpage& page) {
    return !page.m_buttons.empty() || !page.m_texts.empty();
}

void DrawOverlay(const CGpage& page, const RenderEnv& env, int width, int height) {
    const WindowPixelSpace pixels(width, height);
    // Window y grows downwards; OpenGL's upwards.
    glColor3f(0.0f, 0.0f, 1.0f);
    for (const auto& [key, button] : page.m_buttons) {
        if (!button->m_bHidden) {
            const CRect& r = button->m_rect;
            glRecti(r.left - 10, height - r.bottom, r.left, height - r.top);
        }
    }
    const GLuint base = env.scene.ListBase();
    const auto drawText = [&](const CDTextCell& text) {
        const TextPlace at = OverlayTextPlace(text, env.scene, width, height);
        glRasterPos3i(at.x, height - at.baseline, 0);
        DrawDText(text, base);
    };
    SetColor(env.settings.m_labelColor);
    for (const auto& [key, text] : page.m_texts) {
        drawText(*text);
    }
    glColor3f(1.0f, 0.0f, 0.0f);
    ForEachSelected(page.m_buttons, page.m_selButtons, [&](const CBtCmd& button) {
        const CRect& r = button.m_rect;
        glBegin(GL_LINE_LOOP);
        glVertex2i(r.left - 12, height - r.bottom - 2);
        glVertex2i(r.left - 12, height - r.top + 2);
        glVertex2i(r.right + 2, height - r.top + 2);
        glVertex2i(r.right + 2, height - r.bottom - 2);
        glEnd();
    });
    ForEachSelected(page.m_texts, page.m_selTexts, drawText);

    // No flush here: the frame goes to the renderer as one piece. A software renderer pays for
    // a flush in the middle with a second pass over every tile of the frame.
}

}  // namespace velnor
