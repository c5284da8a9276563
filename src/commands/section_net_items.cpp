#include "commands/section_net_items.h"

#include "commands/command_ids.h"
#include "commands/menu_items.h"
#include "editing/add_polyhedron_net.h"
#include "editing/cross_section.h"
#include "model/document.h"

namespace velnor {

namespace {

// A command that works from the selection of the current page and refuses with its own messages.
template <bool (*kAdd)(CPlomDoc&), bool (*kCanAdd)(const CGpage&)>
CommandEntry SelectionItem(int id, const char* text, const char* prompt) {
    return DocumentItem(
        id, text, prompt,
        [](CPlomDoc& doc, const CommandParams&) {
            kAdd(doc);
            return CommandOutcome::kDone;
        },
        [](const CPlomDoc& doc) { return kCanAdd(doc.CurrentPage()); });
}

}  // namespace

CommandEntry CrossSectionItem() {
    return SelectionItem<AddCrossSection, CanAddCrossSection>(cmd::kSection, "截面",
                                                              "作出平面与图形的截面");
}

CommandEntry PolyhedronNetItem() {
    return SelectionItem<AddPolyhedronNet, CanAddPolyhedronNet>(
        cmd::kNet, "展开图", "作出多面体的展开图，并添加折叠按钮");
}

}  // namespace velnor
