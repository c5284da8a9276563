#include <GL/freeglut.h>

#include <cmath>

#include "view/molecule_layout.h"
#include "view/unit_shapes.h"

namespace velnor {

namespace {

void Stick(const MoleculePoint& from, const MoleculePoint& to, GLuint cylinderSide) {
    const double dx = to[0] - from[0], dy = to[1] - from[1], dz = to[2] - from[2];
    glPushMatrix();
    glTranslated((from[0] + to[0]) / 2, (from[1] + to[1]) / 2, (from[2] + to[2]) / 2);
    if (dx != 0.0 || dy != 0.0) {
        const double c = std::fmax(-1.0, std::fmin(1.0, dz / kStickLength));
        glRotated(std::acos(c) * 180.0 / 3.14159265359, -dy, dx, 0.0);
    }
    glScaled(kStickRadius, kStickRadius, 0.35);
    glCallList(cylinderSide);
    glPopMatrix();
}

void Atom(const MoleculePoint& p) {
    glPushMatrix();
    glTranslated(p[0], p[1], p[2]);
    glutSolidSphere(kAtomRadius, 16, 16);
    glPopMatrix();
}

void SetMaterial(const GLfloat (&ambient)[4], const GLfloat (&diffuse)[4], GLfloat shininess) {
    constexpr GLfloat kSpecular[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
}

}  // namespace

void BuildBallAndStick(GLuint name, GLuint cylinderSide) {
    glNewList(name, GL_COMPILE);
    glPushAttrib(GL_LIGHTING_BIT);
    SetMaterial({0.2f, 0.2f, 0.2f, 1.0f}, {0.7f, 0.7f, 0.7f, 1.0f}, 30.0f);
    for (const auto& [from, to] : Molecule().sticks) {
        Stick(from, to, cylinderSide);
    }
    SetMaterial({0.25f, 0.05f, 0.05f, 1.0f}, {0.9f, 0.15f, 0.1f, 1.0f}, 60.0f);
    for (const MoleculePoint& atom : Molecule().atoms) {
        Atom(atom);
    }
    glPopAttrib();
    glEndList();
}

}  // namespace velnor
