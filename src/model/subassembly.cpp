#include "model/subassembly.h"

#include <cmath>

namespace velnor {

namespace {

struct KindInfo {
    const char* name;
    uint32_t preset;
};

constexpr std::array<KindInfo, 27> kKinds{{
    {"球", 4},        {"平面", 2},      {"正四面体", 4},   {"正八面体", 4},   {"正十二面体", 4},
    {"正二十面体", 4}, {"圆柱体", 2},    {"圆锥体", 2},     {"圆环", 4},       {"3D文字", 4},
    {"正方体", 2},    {"圆面", 2},      {"茶壶", 4},       {"C60", 4},        {"圆*", 1},
    {"球*", 3},       {"长方体*", 3},   {"正四面体*", 3},  {"正八面体*", 3},  {"正十二面体*", 3},
    {"正二十面体*", 3}, {"圆柱侧面*", 1}, {"圆锥侧面*", 1}, {"圆台侧面*", 1}, {"茶壶*", 3},
    {"球面*", 1},     {"页组件", 0},
}};

}  // namespace

const char* SolidKindName(uint8_t kind) {
    if (kind == kSolidBitmapText) {
        return "位图文本";
    }
    return kind < kKinds.size() ? kKinds[kind].name : "页组件";
}

uint32_t SolidKindPreset(uint8_t kind) { return kind < kKinds.size() ? kKinds[kind].preset : 0; }

CSubassembly::CSubassembly(uint8_t kind, uint8_t componentNumber, const Float3& position,
                           float spin, const Float3& direction, const Float3& scale,
                           double shapeParameter, uint32_t clipMode, const Plane& clipPlane1,
                           const Plane& clipPlane2)
    : CGcell(SolidKindName(kind)),
      m_nKind(kind),
      m_nComponent(componentNumber),
      m_position(position),
      m_fSpin(spin),
      m_direction(direction),
      m_scale(scale),
      m_dShape(shapeParameter),
      m_nClipMode(clipMode),
      m_clipPlane1(clipPlane1),
      m_clipPlane2(clipPlane2) {
    // A direction of no length cannot be turned into; such solids stand upside down instead.
    if (std::fabs(m_direction[0]) < 0.0001f && std::fabs(m_direction[1]) < 0.0001f &&
        std::fabs(m_direction[2]) < 0.0001f) {
        m_direction = {0.0f, -1.0f, 0.0f};
    }
}

}  // namespace velnor
