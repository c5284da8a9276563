#include "commands/clipboard_items.h"

#include "commands/clipboard_seam.h"
#include "commands/menu_items.h"
#include "editing/clear_operation.h"
#include "editing/paste_commands.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "persistence/archive_error.h"

namespace velnor {

namespace {

bool HasSomethingToCopy(const CPlomDoc& doc) {
    return doc.m_bPageSelected || doc.CurrentPage().HasSelection();
}

void Copy(CPlomDoc& doc) {
    Clipboard().SetDocumentData(CopyFromDocument(doc));
}

void Cut(CPlomDoc& doc) {
    Copy(doc);
    ClearSelected(doc, false);
}

// Damaged clipboard data is refused with its reason, and the document stays as it was.
void Paste(CPlomDoc& doc) {
    const std::optional<std::vector<uint8_t>> bytes = Clipboard().DocumentData();
    if (!bytes) {
        return;
    }
    try {
        PasteIntoDocument(doc, *bytes);
    } catch (const ArchiveError& error) {
        ShowMessage(error.what());
    }
}

}  // namespace

CommandEntry CutItem() {
    return DocumentItem(57635, "剪切", "剪切选定内容(页)", Plain(Cut), HasSomethingToCopy,
                        {"Shift+Delete", "Ctrl+X"});
}

CommandEntry CopyItem() {
    return DocumentItem(57634, "复制", "复制选定内容并将其放到剪贴板上", Plain(Copy),
                        HasSomethingToCopy, {"Ctrl+C", "Ctrl+Insert"});
}

CommandEntry PasteItem() {
    return DocumentItem(57637, "粘贴", "插入复制的内容(页)", Plain(Paste),
                        [](const CPlomDoc&) { return Clipboard().DocumentData().has_value(); },
                        {"Ctrl+V", "Shift+Insert"});
}

}  // namespace velnor
