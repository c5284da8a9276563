#include "view/solid_renderer.h"

#include <algorithm>
#include <cmath>

#include "model/bit_text.h"
#include "model/gl_model.h"
#include "view/cell_renderer.h"
#include "view/gl_scene.h"
#include "view/list_layout.h"
#include "view/render_env.h"
#include "view/solid_silhouettes.h"

namespace velnor {

namespace {

constexpr float kDegreesPerRadian = 180.0f / 3.1415927f;

bool IsPageComponentKind(uint8_t kind) {
    return kind >= kSolidPageComponent && kind != kSolidBitmapText;
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
void ClipAndScale(const CSubassembly& s, float scaleFactor) {
    if (s.m_nClipMode == 1 || s.m_nClipMode == 3) {
        glClipPlane(GL_CLIP_PLANE1, s.m_clipPlane1.data());
        glEnable(GL_CLIP_PLANE1);
    }
    if (s.m_nClipMode == 2 || s.m_nClipMode == 3) {
        glClipPlane(GL_CLIP_PLANE2, s.m_clipPlane2.data());
        glEnable(GL_CLIP_PLANE2);
    }
    glScalef(s.m_scale[0] * scaleFactor, s.m_scale[1] * scaleFactor, s.m_scale[2] * scaleFactor);
}

void Unplace() {
    glPopMatrix();
    glDisable(GL_CLIP_PLANE1);
    glDisable(GL_CLIP_PLANE2);
}

void CallList(const RenderEnv& env, int offset) {
    glCallList(env.scene.List(offset));
}

void CallShape(const RenderEnv& env, GlutShape shape) {
    glCallList(env.scene.Shape(shape));
}

void CallTextured(const CSubassembly& s, const RenderEnv& env, int offset) {
    glBindTexture(GL_TEXTURE_2D, env.scene.Texture(s.m_nTexture));
    CallList(env, offset);
}

// A frustum whose top equals its base, or has no top, has no silhouette construction.
double CorrectedTopRatio(CSubassembly& s) {
    if (s.m_dShape == 1.0) {
        s.m_dShape = 0.999;
    } else if (s.m_dShape == 0.0) {
        s.m_dShape = 0.0001;
    }
    return s.m_dShape;
}

void DrawShape(CSubassembly& s, const RenderEnv& env) {
    switch (s.m_nKind) {
        case kSolidSphere:
            CallTextured(s, env, lists::kSphere);
            break;
        case kSolidPlane:
            CallTextured(s, env, lists::kSquare);
            break;
        case kSolidTetrahedron:
            CallShape(env, GlutShape::kSolidTetrahedron);
            break;
        case kSolidOctahedron:
            CallShape(env, GlutShape::kSolidOctahedron);
            break;
        case kSolidDodecahedron:
            CallShape(env, GlutShape::kSolidDodecahedron);
            break;
        case kSolidIcosahedron:
            CallShape(env, GlutShape::kSolidIcosahedron);
            break;
        case kSolidCylinder:
            CallTextured(s, env, lists::kCylinder);
            break;
        case kSolidCone:
            CallTextured(s, env, lists::kCone);
            break;
        case kSolidTorus:
            CallShape(env, GlutShape::kSolidTorus);
            break;
        case kSolidTitle:
            CallList(env, lists::kTitle);
            break;
        case kSolidCube:
            CallTextured(s, env, lists::kCube);
            break;
        case kSolidDisk:
            CallTextured(s, env, lists::kDisk);
            break;
        case kSolidTeapot:
            glBindTexture(GL_TEXTURE_2D, env.scene.Texture(s.m_nTexture));
            CallShape(env, GlutShape::kSolidTeapot);
            break;
        case kSolidC60:
            CallList(env, lists::kBallAndStick);
            break;
        case kSolidCircleOutline:
            CallList(env, lists::kDashedCircle);
            break;
        case kSolidSphereWire:
            CallShape(env, GlutShape::kWireSphere);
            break;
        case kSolidCuboidWire:
            CallShape(env, GlutShape::kWireCube);
            break;
        case kSolidTetrahedronWire:
            CallShape(env, GlutShape::kWireTetrahedron);
            break;
        case kSolidOctahedronWire:
            CallShape(env, GlutShape::kWireOctahedron);
            break;
        case kSolidDodecahedronWire:
            CallShape(env, GlutShape::kWireDodecahedron);
            break;
        case kSolidIcosahedronWire:
            CallShape(env, GlutShape::kWireIcosahedron);
            break;
        case kSolidCylinderSide:
            DrawCylinderSilhouette(EyeDirection());
            break;
        case kSolidConeSide:
            DrawConeSilhouette(EyeDirection());
            break;
        case kSolidFrustumSide:
            DrawFrustumSilhouette(EyeDirection(), CorrectedTopRatio(s));
            break;
        case kSolidTeapotWire:
            CallShape(env, GlutShape::kWireTeapot);
            break;
        case kSolidSphereOutline:
            DrawSphereSilhouette(EyeDirection(), env.scene.ListBase() + lists::kDashedCircle);
            break;
        default:
            if (IsPageComponentKind(s.m_nKind)) {
                if (const GLuint list = env.scene.ComponentList(s.m_nComponent)) {
                    glCallList(list);
                }
            }
            break;
    }
}

void DrawOutlineShape(CSubassembly& s, const RenderEnv& env) {
    switch (s.m_nKind) {
        case kSolidSphere:
        case kSolidSphereWire:
        case kSolidSphereOutline:
            CallShape(env, GlutShape::kOutlineSphere);
            break;
        case kSolidPlane:
            glBegin(GL_LINE_LOOP);
            glVertex3f(-1, -1, 0);
            glVertex3f(1, -1, 0);
            glVertex3f(1, 1, 0);
            glVertex3f(-1, 1, 0);
            glEnd();
            break;
        case kSolidTetrahedron:
        case kSolidTetrahedronWire:
            CallShape(env, GlutShape::kWireTetrahedron);
            break;
        case kSolidOctahedron:
        case kSolidOctahedronWire:
            CallShape(env, GlutShape::kWireOctahedron);
            break;
        case kSolidDodecahedron:
        case kSolidDodecahedronWire:
            CallShape(env, GlutShape::kWireDodecahedron);
            break;
        case kSolidIcosahedron:
        case kSolidIcosahedronWire:
            CallShape(env, GlutShape::kWireIcosahedron);
            break;
        case kSolidCylinder:
        case kSolidCylinderSide:
            CallList(env, lists::kCylinderWire);
            break;
        case kSolidCone:
        case kSolidConeSide:
            CallShape(env, GlutShape::kOutlineCone);
            break;
        case kSolidTorus:
            CallShape(env, GlutShape::kWireTorus);
            break;
        case kSolidCube:
        case kSolidC60:
            CallShape(env, GlutShape::kOutlineCube);
            break;
        case kSolidDisk:
        case kSolidCircleOutline:
            CallList(env, lists::kDashedCircle);
            break;
        case kSolidTeapot:
        case kSolidTeapotWire:
            CallShape(env, GlutShape::kOutlineTeapot);
            break;
        case kSolidCuboidWire:
            CallShape(env, GlutShape::kWireCube);
            break;
        case kSolidFrustumSide:
            DrawFrustumWire(CorrectedTopRatio(s));
            break;
        default:
            break;  // the title and page components have no outline
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
    ClipAndScale(solid, 1.0f);
    DrawShape(solid, env);
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
        CallList(env, lists::kAxes);
    }
    ClipAndScale(solid, 1.0f);
    const Rgb c = env.settings.m_selectColor;
    glColor3ub(c.r, c.g, c.b);
    DrawOutlineShape(solid, env);
    Unplace();
}

bool HasDepthOnlyForm(uint8_t kind) {
    return kind == kSolidCylinderSide || kind == kSolidConeSide || kind == kSolidFrustumSide ||
           kind == kSolidSphereOutline;
}

void DrawSolidDepthOnly(CSubassembly& solid, const RenderEnv& env) {
    if (solid.m_bHidden || !HasDepthOnlyForm(solid.m_nKind)) {
        return;
    }
    Orient(solid);
    ClipAndScale(solid, 0.99f);
    switch (solid.m_nKind) {
        case kSolidCylinderSide:
            CallList(env, lists::kDisk);
            glPushMatrix();
            glTranslatef(0.0f, 0.0f, 0.5f);
            CallList(env, lists::kCylinderSide);
            glTranslatef(0.0f, 0.0f, 0.5f);
            CallList(env, lists::kDisk);
            glPopMatrix();
            break;
        case kSolidConeSide:
            CallList(env, lists::kCone);
            CallList(env, lists::kDisk);
            break;
        case kSolidFrustumSide:
            DrawFrustumBody(CorrectedTopRatio(solid));
            break;
        default:
            CallShape(env, GlutShape::kSolidSphere);
            break;
    }
    Unplace();
}

}  // namespace velnor
