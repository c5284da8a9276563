#include "commands/section_net_items.h"

#include "commands/command_ids.h"
#include "commands/menu_items.h"
#include "editing/add_polyhedron_net.h"
#include "editing/cross_section.h"
#include "model/document.h"

namespace velnor {

CommandEntry CrossSectionItem() {
    return DocumentItem(cmd::kSection, "截面", "作出平面与图形的截面", Plain(AddCrossSection),
                        PageAllows(CanAddCrossSection));
}

CommandEntry PolyhedronNetItem() {
    return DocumentItem(cmd::kNet, "展开图", "作出多面体的展开图，并添加折叠按钮",
                        Plain(AddPolyhedronNet), PageAllows(CanAddPolyhedronNet));
}

}  // namespace velnor
