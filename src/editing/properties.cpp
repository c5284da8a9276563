#include "editing/properties.h"

#include <memory>
#include <string_view>

#include "editing/cmd_modifi_point.h"
#include "editing/cmd_modifi_ti.h"
#include "geometry/measure_text.h"
#include "model/bit_text.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "model/vertex_snapshot.h"

namespace velnor {

PropertiesCase PropertiesCaseFor(const CGpage& page) {
    const bool noLinesOrFaces = page.m_selLines.empty() && page.m_selFaces.empty();
    if (page.m_selPoints.size() == 1 && noLinesOrFaces && page.m_selSolids.empty() &&
        page.m_selButtons.empty()) {
        return PropertiesCase::kVertex;
    }
    if (page.m_selPoints.empty() && noLinesOrFaces && page.m_selSolids.size() == 1 &&
        page.m_selButtons.empty()) {
        return PropertiesCase::kSolid;
    }
    return page.m_selButtons.size() == 1 ? PropertiesCase::kButton : PropertiesCase::kReportOrPage;
}

VertexValues VertexValuesOf(const CGpage& page, int index) {
    const Float3& color = page.m_color[index];
    auto byte = [](float component) { return static_cast<uint8_t>(component * 255.0f); };
    return {page.m_pos[index],
            {byte(color[0]), byte(color[1]), byte(color[2])},
            page.m_label[index],
            page.m_bShown[index] != 0};
}

bool ModifyVertex(CPlomDoc& doc, int index, const VertexValues& values) {
    CGpage& page = doc.CurrentPage();
    if (index < 0 || index >= page.m_nVertexCount) {
        return false;
    }
    auto cmd = std::make_unique<CCmdModifiPoint>(static_cast<uint16_t>(index), doc);
    CCmdModifiPoint& recorded = *cmd;
    doc.CommandProcessor().AddCommand(std::move(cmd));
    recorded.m_pOld = SnapshotVertex(page, index);
    WriteVertex(
        page, index,
        CPointCell(values.position, ToFloats(values.color), values.label, values.shown ? 1 : 0));
    recorded.m_pNew = SnapshotVertex(page, index);
    page.RefreshNames();
    UpdateAllTexts(page);
    doc.Refresh(kHintAll);
    return true;
}

SolidEdit EditSelectedSolid(CPlomDoc& doc, const std::function<void(CSubassembly&)>& editComponent,
                            const std::function<void(CBitRtfText&)>& editRichText) {
    CGpage& page = doc.CurrentPage();
    if (page.m_selSolids.size() != 1) {
        return SolidEdit::kNone;
    }
    const auto key = static_cast<uint16_t>(page.m_selSolids.front());
    const auto it = page.m_solids.find(key);
    if (it == page.m_solids.end()) {
        return SolidEdit::kNone;
    }
    CSubassembly& solid = *it->second;
    const std::string_view kind = solid.ClassName();
    if (kind == "CBitText") {
        ShowMessage("这是图形类文本，若要修改内容，请删除后重建！");
        return SolidEdit::kRefused;
    }
    SolidEdit outcome = SolidEdit::kRichText;
    if (kind == "CBitRtfText") {
        editRichText(static_cast<CBitRtfText&>(solid));
    } else {
        doc.CommandProcessor().AddCommand(std::make_unique<CCmdModifiTi>(key, doc, solid.Clone()));
        editComponent(solid);
        outcome = SolidEdit::kRecorded;
    }
    doc.Refresh(kHintSolids);
    return outcome;
}

}  // namespace velnor
