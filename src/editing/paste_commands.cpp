#include "editing/paste_commands.h"

#include "editing/page_operations.h"
#include "editing/record_additions.h"
#include "persistence/clipboard_copy.h"
#include "persistence/clipboard_payload.h"
#include "persistence/merge_from_archive.h"

namespace velnor {

std::vector<uint8_t> CopyFromDocument(CPlomDoc& doc) {
    return CopyToClipboard(doc.CurrentPage(), doc.m_bPageSelected);
}

void PasteIntoDocument(CPlomDoc& doc, std::span<const uint8_t> bytes) {
    ClipboardContent content = DecodeClipboard(bytes);
    if (content.page) {
        content.page->m_nId = doc.m_nNextPageId++;
        content.page->m_strName = PageNameForId(content.page->m_nId);
        doc.m_bPageSelected = true;
        InsertPage(doc, std::move(content.page), "粘贴页");
        return;
    }
    CGpage& page = doc.CurrentPage();
    if (!MergeFromArchive(page, std::move(content.selection))) {
        return;
    }
    const AddedCells added{
        .points = static_cast<int>(page.m_selPoints.size()),
        .lines = static_cast<int>(page.m_selLines.size()),
        .faces = static_cast<int>(page.m_selFaces.size()),
        .solids = static_cast<int>(page.m_selSolids.size()),
        .buttons = static_cast<int>(page.m_selButtons.size()),
        .texts = static_cast<int>(page.m_selTexts.size()),
    };
    RecordAdditions(doc, "粘贴图元", added);
    doc.Refresh(kHintAll);
}

}  // namespace velnor
