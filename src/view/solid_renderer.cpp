#include "view/solid_renderer.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/bit_text.h"
#include "model/gl_model.h"
#include "shapes/molecule.h"
#include "shapes/solid_shape.h"
#include "view/cell_renderer.h"
#include "view/gl_scene.h"
#include "view/level_of_detail.h"
#include "view/list_layout.h"
#include "view/render_env.h"
#include "view/shape_drawing.h"
#include "view/solid_silhouettes.h"

namespace velnor {

namespace {

constexpr float kDegreesPerRadian = 180.0f / 3.1415927f;

// Bytes past the last kind show a page component, as kind 26 does.
std::optional<ShapeKind> DrawnKind(uint8_t kind) {
    if (kind >= kSolidPageComponent && kind != kSolidBitmapText) {
        return ShapeKind::kPageComponent;
    }
    return ShapeKindOf(kind);
}

// Steps 1 to 3 of the placement: position, direction and spin.
void Orient(const CSubassembly& s) {
    glPushMatrix();
    glTranslatef(s.m_position[0], s.m_position[1], s.m_position[2]);
    const auto& d = s.m_direction;
    const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (d[0] != 0.0f || d[1] != 0.0f) {
        const float c = std::clamp(d[2] / length, -1.0f, 1.0f);
        glRotatef(std::acos(c) * kDegreesPerRadian, -d[1], d[0], 0.0f);
    } else if (d[2] < 0.0f) {
        glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    }
    glRotatef(s.m_fSpin, 0.0f, 0.0f, 1.0f);
}

// Steps 4 and 5: clip planes in the solid's frame, then its scale.
void ClipAndScale(const CSubassembly& s) {
    if (s.m_nClipMode == 1 || s.m_nClipMode == 3) {
        glClipPlane(GL_CLIP_PLANE1, s.m_clipPlane1.data());
        glEnable(GL_CLIP_PLANE1);
    }
    if (s.m_nClipMode == 2 || s.m_nClipMode == 3) {
        glClipPlane(GL_CLIP_PLANE2, s.m_clipPlane2.data());
        glEnable(GL_CLIP_PLANE2);
    }
    glScalef(s.m_scale[0], s.m_scale[1], s.m_scale[2]);
}

void Unplace() {
    glPopMatrix();
    glDisable(GL_CLIP_PLANE1);
    glDisable(GL_CLIP_PLANE2);
}

// The shape module's values of the solid. The shape value as drawn (a frustum's corrected top)
// is written back into the cell, so that a later save stores what was drawn.
ShapeValues ValuesOf(CSubassembly& s, ShapeKind kind) {
    s.m_dShape = DrawnShapeValue(kind, s.m_dShape);
    return {kind, s.m_dShape, nullptr};
}

void DrawPageComponent(const CSubassembly& s, const RenderEnv& env) {
    if (const GLuint list = env.scene.ComponentList(s.m_nComponent)) {
        glCallList(list);
    }
}

// The molecule's many small atoms are most of a dense page's triangles; seen from afar they are
// drawn coarse. A list being compiled keeps the fine ones, since it may be drawn at any size.
GLuint KindListAtItsSize(ShapeKind kind, const RenderEnv& env) {
    const bool distant = kind == ShapeKind::kC60 && !CompilingList() &&
                         kAtomRadius * PixelsPerUnitNow() <= kDistantAtomPixels;
    return distant ? env.scene.DistantMoleculeList() : env.scene.KindList(kind);
}

void DrawShapeOf(CSubassembly& s, ShapeKind kind, const RenderEnv& env) {
    if (kind == ShapeKind::kPageComponent) {
        DrawPageComponent(s, env);
    } else if (HasSilhouette(kind)) {
        DrawDashedWhereHidden(SilhouetteOf(ValuesOf(s, kind), EyeDirection()), GL_GEQUAL);
    } else {
        if (env.scene.KindTextured(kind)) {
            glBindTexture(GL_TEXTURE_2D, env.scene.Texture(s.m_nTexture));
        }
        glCallList(KindListAtItsSize(kind, env));
    }
}

void DrawOutlineOf(CSubassembly& s, ShapeKind kind) {
    const SolidOutline outline = OutlineOf(ValuesOf(s, kind));
    if (outline.dashedWhereHidden) {
        DrawDashedWhereHidden(outline.lines, GL_GREATER);
    } else {
        DrawLines(outline.lines);
    }
}

void ApplyOwnMaterial(const Material& m) {
    glMaterialfv(GL_FRONT, GL_AMBIENT, m.ambient.data());
    glMaterialfv(GL_FRONT, GL_DIFFUSE, m.diffuse.data());
    glMaterialfv(GL_FRONT, GL_SPECULAR, m.specular.data());
    glMaterialf(GL_FRONT, GL_SHININESS, m.shininess);
}

}  // namespace

void DrawSolid(CSubassembly& solid, const RenderEnv& env) {
    if (solid.m_bHidden) {
        return;
    }
    if (solid.m_nKind == kSolidBitmapText) {
        if (const auto* text = dynamic_cast<const CBitText*>(&solid)) {
            DrawBitText(*text, env, true);
        }
        return;
    }
    // The cube's and the plane's lists colour their own faces; the next solid must still get
    // the component colour.
    glPushAttrib(GL_CURRENT_BIT | GL_LIGHTING_BIT);
    if (solid.m_bOwnMaterial) {
        ApplyOwnMaterial(solid.m_material);
    }
    Orient(solid);
    ClipAndScale(solid);
    if (const auto kind = DrawnKind(solid.m_nKind)) {
        DrawShapeOf(solid, *kind, env);
    }
    Unplace();
    glPopAttrib();
}

void DrawSolidOutline(CSubassembly& solid, const RenderEnv& env) {
    if (solid.m_bHidden) {
        return;
    }
    if (solid.m_nKind == kSolidBitmapText) {
        if (const auto* text = dynamic_cast<const CBitText*>(&solid)) {
            DrawBitText(*text, env, false);
        }
        return;
    }
    Orient(solid);
    if (solid.m_nKind != kSolidCircleOutline) {
        glCallList(env.scene.List(lists::kAxes));
    }
    ClipAndScale(solid);
    const Rgb c = env.settings.m_selectColor;
    glColor3ub(c.r, c.g, c.b);
    if (const auto kind = DrawnKind(solid.m_nKind)) {
        DrawOutlineOf(solid, *kind);
    }
    Unplace();
}

bool HasDepthOnlyForm(uint8_t kind) {
    const auto shapeKind = ShapeKindOf(kind);
    return shapeKind && HasSilhouette(*shapeKind);
}

void DrawSolidDepthOnly(CSubassembly& solid, const RenderEnv&) {
    if (solid.m_bHidden || !HasDepthOnlyForm(solid.m_nKind)) {
        return;
    }
    Orient(solid);
    ClipAndScale(solid);
    DrawSurfaces(HidingBodyOf(ValuesOf(solid, *ShapeKindOf(solid.m_nKind))));
    Unplace();
}

}  // namespace velnor
