#pragma once

#include <span>

#include "model/page.h"
#include "model/subassembly.h"

namespace velnor {

// The values of the component dialog ("组件"), with its initial values. The dialog shows and
// collects them; this keeps the rules for filling them in.
struct ComponentValues {
    Float3 centre{0.0f, 0.0f, 0.0f};  // "中心"
    Float3 axis{0.0f, -1.0f, 0.0f};   // "Z轴方向"
    Float3 scale{6.0f, 6.0f, 6.0f};   // "尺度"
    int kind = kSolidCube;            // "组件类型": the list index is the kind
    int pageComponent = 0;            // "组件页:" list index; −1 when nothing is chosen
    float spin = 0.0f;                // "转    角:", degrees
    bool clip = false;                // "裁 剪"
    bool clipPlane1On = false;        // "1# 面"
    bool clipPlane2On = false;        // "2# 面"
    Plane clipPlane1{0.0, 0.0, 1.0, 0.0};
    Plane clipPlane2{0.0, -1.0, 0.0, 0.0};
    double ratio = 0.5;  // "圆台上下底之比："

    // Where the centre and the axis came from: choosing a kind keeps what the selection gave.
    bool centreFromVertex = false;
    bool axisFromLine = false;
    // Controls shown only for some kinds.
    bool showsPageComponent = false;  // kind 26
    bool showsRatio = false;          // kind 23
};

// The 27 entries of "组件类型" in kind order ("(实体)球", "    平面", ... "    组件页").
std::span<const char* const> ComponentKindEntries();

// The dialog of the components command: the initial values, then what the selection gives. One
// selected vertex is the centre; one selected line (end minus start) the axis; one selected face
// the first clip plane, scaled so that its first coefficient clearly different from zero is 1.
// The page-component list starts at its first entry when the document has components.
ComponentValues NewComponentValues(const CGpage& page, int componentCount);

// The dialog of the properties command, filled from the solid it edits.
ComponentValues ComponentValuesOf(const CSubassembly& solid);

// Choosing a kind in the components command: the usual size and place of such a solid, keeping
// the centre and the axis the selection gave.
void ChooseKindForNew(ComponentValues& values, int kind);
// Choosing a kind in the properties command only shows or hides the kind's own controls.
void ChooseKindForModify(ComponentValues& values, int kind);

// 0 when clipping is off; otherwise 1 for the first plane plus 2 for the second.
uint32_t ClipModeOf(const ComponentValues& values);

}  // namespace velnor
