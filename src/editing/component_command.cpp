#include "editing/component_command.h"

#include <cmath>
#include <memory>
#include <string>

#include "editing/cmd_add_cells.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr float kZeroAxis = 0.0001f;

bool IsFinite(const Float3& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

bool IsFinite(const Plane& p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]) && std::isfinite(p[3]);
}

bool AreNumbers(const ComponentValues& v) {
    return IsFinite(v.centre) && IsFinite(v.axis) && IsFinite(v.scale) && std::isfinite(v.spin) &&
           IsFinite(v.clipPlane1) && IsFinite(v.clipPlane2) && std::isfinite(v.ratio);
}

// Kind 26 shows the page component of the chosen list entry, which must exist.
bool NamesItsPage(const CPlomDoc& doc, const ComponentValues& v) {
    if (v.kind != kSolidPageComponent) {
        return true;
    }
    return v.pageComponent >= 0 && v.pageComponent < doc.m_nComponentCount;
}

bool IsUsable(const CPlomDoc& doc, const ComponentValues& v) {
    if (v.kind < 0 || v.kind > kSolidPageComponent || !NamesItsPage(doc, v)) {
        return false;
    }
    if (!AreNumbers(v)) {
        ShowMessage("请输入一个数。");
        return false;
    }
    return true;
}

uint8_t ComponentNumber(const ComponentValues& v) {
    return static_cast<uint8_t>(v.pageComponent >= 0 ? v.pageComponent + 1 : 0);
}

}  // namespace

bool AddComponent(CPlomDoc& doc, const ComponentValues& values) {
    if (!IsUsable(doc, values)) {
        return false;
    }
    const auto kind = static_cast<uint8_t>(values.kind);
    const uint8_t number = kind == kSolidPageComponent ? ComponentNumber(values) : 0;
    CGpage& page = doc.CurrentPage();
    page.AddNewSolid(std::make_unique<CSubassembly>(
        kind, number, values.centre, values.spin, values.axis, values.scale, values.ratio,
        ClipModeOf(values), values.clipPlane1, values.clipPlane2));
    doc.CommandProcessor().AddCommand(
        std::make_unique<CCmdAddTis>(1, doc, std::string("添加") + SolidKindName(kind)));
    page.m_nScheme = SolidKindPreset(kind);
    doc.NotifyPageChanged();
    doc.Refresh(kHintSolids);
    return true;
}

bool ApplyComponent(CPlomDoc& doc, CSubassembly& solid, const ComponentValues& values) {
    if (!IsUsable(doc, values)) {
        return false;
    }
    solid.m_nKind = static_cast<uint8_t>(values.kind);
    solid.m_nComponent = ComponentNumber(values);
    solid.m_position = values.centre;
    solid.m_scale = values.scale;
    solid.m_direction = values.axis;
    if (std::fabs(values.axis[0]) < kZeroAxis && std::fabs(values.axis[1]) < kZeroAxis &&
        std::fabs(values.axis[2]) < kZeroAxis) {
        solid.m_direction[1] = -1.0f;
    }
    solid.m_fSpin = values.spin;
    solid.m_dShape = values.ratio;
    solid.m_nClipMode = ClipModeOf(values);
    solid.m_clipPlane1 = values.clipPlane1;
    solid.m_clipPlane2 = values.clipPlane2;
    doc.SetModifiedFlag();
    doc.Redraw();
    return true;
}

}  // namespace velnor
