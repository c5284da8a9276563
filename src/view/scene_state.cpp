#include "view/scene_state.h"

#include <GL/gl.h>

#include "model/gl_model.h"
#include "model/stipple_patterns.h"
#include "view/extra_lights.h"

namespace velnor {

namespace {

void SetEnabled(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

void ApplyLight0(const CGlModel& s) {
    glLightfv(GL_LIGHT0, GL_AMBIENT, s.m_lightAmbient.data());
    glLightfv(GL_LIGHT0, GL_DIFFUSE, s.m_lightDiffuse.data());
    glLightfv(GL_LIGHT0, GL_SPECULAR, s.m_lightSpecular.data());
    glLightfv(GL_LIGHT0, GL_POSITION, s.m_lightPosition.data());
    glEnable(GL_LIGHT0);
}

}  // namespace

void ApplySceneMaterial(const CGlModel& s) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, s.m_material.ambient.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, s.m_material.diffuse.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, s.m_material.specular.data());
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, s.m_material.shininess);
}

void ApplyFillStipple(int fillStipple) {
    if (const PolygonStipple* pattern = StippleForFill(fillStipple)) {
        glPolygonStipple(pattern->data());
    }
}

void ApplyLineStipple(const LineStipple& stipple) {
    glLineStipple(stipple.factor, stipple.pattern);
}

void ApplySettings(const CGlModel& s) {
    const auto bg = ToFloats(s.m_bgColor);
    glClearColor(bg[0], bg[1], bg[2], 0.5f);
    if (s.m_bColorLines) {
        glEnableClientState(GL_COLOR_ARRAY);
    } else {
        glDisableClientState(GL_COLOR_ARRAY);
    }
    SetEnabled(GL_TEXTURE_2D, s.m_bTexturing);
    ApplyFillStipple(s.m_nFillStipple);
    glShadeModel(s.m_bSmoothColors ? GL_SMOOTH : GL_FLAT);
    SetEnabled(GL_LIGHT1, s.m_bExtraLights);
    SetEnabled(GL_LIGHT2, s.m_bExtraLights);
    // Blending serves both 远近融合 and 光滑线条; the depth test only the former's absence.
    SetEnabled(GL_BLEND, s.m_bBlending || s.m_bSmoothLines);
    SetEnabled(GL_DEPTH_TEST, !s.m_bBlending);
    SetEnabled(GL_LINE_SMOOTH, s.m_bSmoothLines);
    if (s.m_bColorMaterial) {
        glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
    } else {
        glDisable(GL_COLOR_MATERIAL);
    }
    ApplyLight0(s);
    ApplySceneMaterial(s);
}

void InitContextState(const CGlModel& s) {
    glShadeModel(GL_FLAT);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnableClientState(GL_VERTEX_ARRAY);
    glPointSize(kDotPixels);
    ApplyLineStipple(kLineStipples[0]);
    glLineWidth(s.m_fLineWidth);
    glPolygonStipple(HatchStipple().data());
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);

    constexpr GLfloat kModelAmbient[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    glLightfv(GL_LIGHT1, GL_DIFFUSE, kExtraLightDiffuse.data());
    glLightfv(GL_LIGHT1, GL_POSITION, kExtraLightLeft.data());
    glLightfv(GL_LIGHT2, GL_DIFFUSE, kExtraLightDiffuse.data());
    glLightfv(GL_LIGHT2, GL_POSITION, kExtraLightRight.data());
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kModelAmbient);

    ApplySettings(s);
}

}  // namespace velnor
