#include "commands/vertex_line_commands.h"

#include "editing/record_additions.h"
#include "model/color.h"
#include "model/document.h"

namespace velnor {

bool HasSelectedVertices(const CPlomDoc& doc) {
    return !doc.CurrentPage().m_selPoints.empty();
}

bool HasSelectedLines(const CPlomDoc& doc) {
    return !doc.CurrentPage().m_selLines.empty();
}

void RelabelSelectedVertices(CPlomDoc& doc, const std::string& letter, const std::string& suffix) {
    CGpage& page = doc.CurrentPage();
    page.RelabelSelected(letter, suffix);
    page.RefreshNames();
    doc.Refresh(kHintAll);
}

void ColourSelectedVertices(CPlomDoc& doc, const Rgb& colour) {
    doc.CurrentPage().SetSelectedColor(ToColorRef(colour));
    doc.Refresh(kHintRedraw);
}

void ReverseSelectedLines(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    for (int key : page.m_selLines) {
        auto found = page.m_lines.find(static_cast<uint16_t>(key));
        if (found != page.m_lines.end()) {
            found->second->Reverse();
        }
    }
    page.m_selLines.clear();
    doc.Refresh(kHintRedraw);
}

bool CanDrawLines(const CPlomDoc& doc) {
    return doc.CurrentPage().m_nVertexCount > 1;
}

CommandOutcome JoinSelectedVertices(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    const int selected = static_cast<int>(page.m_selPoints.size());
    if (selected < 2) {
        return CommandOutcome::kViewTakesOver;
    }
    const size_t before = page.m_lines.size();
    page.ClosePolygon();
    AddedCells added;
    added.lines = static_cast<int>(page.m_lines.size() - before);
    RecordAdditions(doc, selected == 2 ? "添加线" : "添加线串", added);
    doc.Refresh(kHintLines);
    return CommandOutcome::kDone;
}

bool CanDrawFace(const CPlomDoc& doc) {
    return doc.CurrentPage().m_nVertexCount > 2;
}

CommandOutcome FaceThroughSelectedVertices(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    if (page.m_selPoints.size() < 3) {
        return CommandOutcome::kViewTakesOver;
    }
    if (page.AddFaceFromSelection()) {
        AddedCells added;
        added.faces = 1;
        RecordAdditions(doc, "添加面", added);
        doc.Refresh(kHintFaces);
    }
    return CommandOutcome::kDone;
}

}  // namespace velnor
