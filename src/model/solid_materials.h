#pragma once

#include <functional>

#include "model/material.h"

namespace velnor {

class CGpage;

// The three document commands that give solids their own material. Each changes only the page;
// the caller marks the document modified and redraws.

// 应用材质: every selected solid takes a copy of `material` and keeps it; the solid selection is
// emptied.
void GiveSelectedSolidsMaterial(CGpage& page, const Material& material);

// 即时材质: every selected solid follows the scene material again; the solid selection is emptied.
void LetSelectedSolidsFollowSceneMaterial(CGpage& page);

// 随机材质: every selected vertex gets a random colour, every selected solid random ambient,
// diffuse and specular colours (all four components) with `shininess`, as its own material.
// `random` yields values in 0..1. The selections stay.
void RandomizeSelectedColors(CGpage& page, float shininess, const std::function<float()>& random);

}  // namespace velnor
