#pragma once

#include <functional>
#include <string>

#include "model/color.h"
#include "model/subassembly.h"

namespace velnor {

class CBitRtfText;
class CGpage;
class CPlomDoc;

// What the properties command ("图元属性查看与设置") opens for the selection, in this order: one
// vertex and no line, face, solid or button; one solid and no vertex, line, face or button; then,
// unless exactly one button is selected, the measurement report of the selection (or the page
// properties when it reports nothing); else the properties of that button.
enum class PropertiesCase { kVertex, kSolid, kReportOrPage, kButton };
PropertiesCase PropertiesCaseFor(const CGpage& page);

// The values of the vertex properties dialog ("点属性").
struct VertexValues {
    Float3 position{};
    Rgb color;  // the colour components times 255, truncated
    std::string label;
    bool shown = true;  // "显示标签"
};
VertexValues VertexValuesOf(const CGpage& page, int index);
// Records the edit of the vertex as "修改点" and writes the values into its row. An index outside
// the page changes nothing and returns false.
bool ModifyVertex(CPlomDoc& doc, int index, const VertexValues& values);

enum class SolidEdit {
    kRecorded,  // a copy was recorded as "修改组件" before the component dialog edited it
    kRichText,  // edited in the text editor, not recorded
    kRefused,   // a plain bitmap text cannot be edited
    kNone,      // no single solid selected
};
// Edits the one selected solid: `editComponent` is the component dialog in modify mode and
// `editRichText` the text editor, both changing the solid in place.
SolidEdit EditSelectedSolid(CPlomDoc& doc, const std::function<void(CSubassembly&)>& editComponent,
                            const std::function<void(CBitRtfText&)>& editRichText);

}  // namespace velnor
