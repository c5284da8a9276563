#include "commands/section_net_items.h"

#include "commands/command_ids.h"
#include "commands/menu_items.h"
#include "editing/add_polyhedron_net.h"
#include "editing/cross_section.h"
#include "editing/section_animation.h"
#include "model/document.h"

namespace velnor {

CommandEntry CrossSectionItem() {
    return DocumentItem(cmd::kSection, "截面", "作出平面与图形的截面", Plain(AddCrossSection),
                        PageAllows(CanAddCrossSection));
}

namespace {

// Without a spacing the planes spread over the figure, as the dialog first suggests.
SectionAnimationValues SectionValues(const CPlomDoc& doc, const CommandParams& params) {
    const SectionAnimationValues defaults;
    const int count = params.Integer("count", defaults.count);
    const float spread = SpreadingSpacing(doc.CurrentPage(), count).value_or(defaults.spacing);
    return {params.Float("spacing", spread), count};
}

}  // namespace

CommandEntry SectionAnimationItem() {
    CommandEntry entry = DocumentItem(
        cmd::kSectionAnimation, "截面动画", "作出一组平行平面的截面，并添加逐个显示截面的按钮",
        [](CPlomDoc& doc, const CommandParams& params) {
            AddSectionAnimation(doc, SectionValues(doc, params));
            return CommandOutcome::kDone;
        },
        PageAllows(CanAddSectionAnimation));
    entry.params = {"spacing", "count"};
    entry.dialogFirst = true;
    entry.check = [](const CPlomDoc& doc, const CommandParams& params) {
        return SectionAnimationRefusal(SectionValues(doc, params));
    };
    return entry;
}

CommandEntry PolyhedronNetItem() {
    return DocumentItem(cmd::kNet, "展开图", "作出多面体的展开图，并添加折叠按钮",
                        Plain(AddPolyhedronNet), PageAllows(CanAddPolyhedronNet));
}

}  // namespace velnor
