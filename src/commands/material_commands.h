#pragma once

#include <functional>

#include "model/color.h"

namespace velnor {

class CPlomDoc;

bool HasSelectedSolids(const CPlomDoc& doc);
bool HasSelectedVerticesOrSolids(const CPlomDoc& doc);

// "当前材质": the selected solids take a copy of the scene's material as their own; the solid
// selection is emptied.
void ApplyCurrentMaterial(CPlomDoc& doc);
// "立即材质": the selected solids follow the scene's material from now on; the solid selection is
// emptied.
void FollowSceneMaterial(CPlomDoc& doc);
// "随机材质": random colours for the selected vertices, a random material of their own for the
// selected solids (all four components of ambient, diffuse and specular; the scene's shininess).
// `random` yields values in 0..1. The selection stays.
void RandomColours(CPlomDoc& doc, const std::function<float()>& random);
// The same with the program's one random source, so that each press colours anew.
void RandomColours(CPlomDoc& doc);
// "修改文本颜色": the colour of new bitmap texts, given also to the one selected bitmap text.
// Not recorded.
void SetTextColour(CPlomDoc& doc, const Rgb& colour);

}  // namespace velnor
