#include "persistence/clipboard_copy.h"

#include <algorithm>
#include <array>
#include <string>

#include "model/message_seam.h"
#include "persistence/clipboard_payload.h"

namespace velnor {

namespace {

void AddMissing(std::vector<int>& selection, const std::vector<int>& items) {
    for (int item : items) {
        if (std::find(selection.begin(), selection.end(), item) == selection.end()) {
            selection.push_back(item);
        }
    }
}

void WarnAboutComponentSolids(const CGpage& page) {
    const auto count = std::count_if(page.m_solids.begin(), page.m_solids.end(),
                                     [](const auto& entry) {
                                         return entry.second->m_nKind == kSolidPageComponent;
                                     });
    if (count > 0) {
        ShowMessage("本页组件有" + std::to_string(count) +
                    "处对页进行了引用，复制后仅可用于当前文档！\n\n若要用于它处，请修改这些组件的链接页。");
    }
}

}  // namespace

void ExtendSelectionOverButtons(CGpage& page) {
    // The list grows while it is walked: members added here are visited in turn.
    for (size_t i = 0; i < page.m_selButtons.size(); ++i) {
        const int key = page.m_selButtons[i];
        if (key < 0 || key > 0xFFFF) {
            continue;
        }
        const auto it = page.m_buttons.find(static_cast<uint16_t>(key));
        if (it == page.m_buttons.end()) {
            continue;
        }
        const CBtCmd& button = *it->second;
        AddMissing(page.m_selPoints, button.m_targetVerts);
        AddMissing(page.m_selLines, button.m_targetLines);
        AddMissing(page.m_selFaces, button.m_targetFaces);
        AddMissing(page.m_selSolids, button.m_targetSolids);
        if (const auto* members = SeriesMembers(button)) {
            AddMissing(page.m_selButtons, *members);
        }
    }
}

std::vector<uint8_t> CopyToClipboard(CGpage& page, bool pageSelected) {
    if (pageSelected) {
        page.m_nComponentList = 0;
        WarnAboutComponentSolids(page);
        return EncodePageClipboard(page);
    }
    const std::array saved{page.m_selPoints,  page.m_selLines,   page.m_selFaces,
                           page.m_selSolids,  page.m_selButtons, page.m_selTexts};
    ExtendSelectionOverButtons(page);
    std::vector<uint8_t> bytes = EncodeSelectionClipboard(page);
    page.m_selPoints = saved[0];
    page.m_selLines = saved[1];
    page.m_selFaces = saved[2];
    page.m_selSolids = saved[3];
    page.m_selButtons = saved[4];
    page.m_selTexts = saved[5];
    return bytes;
}

}  // namespace velnor
