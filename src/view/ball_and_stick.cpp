#include <GL/freeglut.h>

#include <cmath>

#include "shapes/molecule.h"
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

void SetMaterial(const MoleculeMaterial& material) {
    constexpr GLfloat kSpecular[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material.ambient.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material.diffuse.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.shininess);
}

}  // namespace

void BuildBallAndStick(GLuint name, GLuint cylinderSide) {
    glNewList(name, GL_COMPILE);
    glPushAttrib(GL_LIGHTING_BIT);
    SetMaterial(kStickMaterial);
    for (const auto& [from, to] : Molecule().sticks) {
        Stick(from, to, cylinderSide);
    }
    SetMaterial(kAtomMaterial);
    for (const MoleculePoint& atom : Molecule().atoms) {
        Atom(atom);
    }
    glPopAttrib();
    glEndList();
}

}  // namespace velnor
