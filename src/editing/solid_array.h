#pragma once

#include <array>

namespace velnor {

class CPlomDoc;

// The values of the dialog "组件阵列": per axis x, y, z a count ("X方向个数", 1..10) and a centre
// distance ("X方向中心距").
struct SolidArrayLayout {
    std::array<int, 3> counts{3, 3, 3};
    std::array<float, 3> distances{3.0f, 3.0f, 3.0f};
};

// Replaces the one selected solid by a grid of copies centred on it, named after it with the
// digits of their place, recorded as "添加组件阵列"; buttons that acted on the solid no longer
// name it. Returns false, changing nothing, unless exactly one solid is selected and every count
// lies in 1..10.
bool AddSolidArray(CPlomDoc& doc, const SolidArrayLayout& layout);

}  // namespace velnor
