#include "editing/record_additions.h"

#include <memory>
#include <vector>

#include "editing/cmd_add_button.h"
#include "editing/cmd_add_cells.h"
#include "editing/cmd_add_dtext.h"
#include "editing/cmd_add_points.h"
#include "editing/cmd_compound.h"
#include "model/document.h"

namespace velnor {

namespace {

// The addition commands in recording order; `name` goes to each one that takes a name.
std::vector<std::unique_ptr<CCmd>> AdditionCommands(CPlomDoc& doc, const AddedCells& added,
                                                    bool compound, const std::string& name) {
    auto nameFor = [&](const char* subName) { return compound ? std::string(subName) : name; };
    std::vector<std::unique_ptr<CCmd>> cmds;
    if (added.points > 0) {
        cmds.push_back(std::make_unique<CCmdAddPoints>(added.points, doc, nameFor("添加点")));
    }
    if (added.lines > 0) {
        cmds.push_back(std::make_unique<CCmdAddLines>(added.lines, doc, nameFor("添加线")));
    }
    if (added.faces > 0) {
        cmds.push_back(std::make_unique<CCmdAddFaces>(added.faces, doc));
    }
    if (added.solids > 0) {
        cmds.push_back(std::make_unique<CCmdAddTis>(added.solids, doc, nameFor("添加组件")));
    }
    CGpage& page = doc.CurrentPage();
    for (const KeyGrant& grant : page.m_buttonGrants.Take(added.buttons)) {
        cmds.push_back(std::make_unique<CCmdAddButton>(doc, nameFor("添加操作按钮"), grant));
    }
    for (const KeyGrant& grant : page.m_textGrants.Take(added.texts)) {
        cmds.push_back(std::make_unique<CCmdAddDtext>(doc, nameFor("添加动态文本"), grant));
    }
    return cmds;
}

}  // namespace

void RecordAdditions(CPlomDoc& doc, const std::string& name, const AddedCells& added,
                     std::unique_ptr<CCmd> follower) {
    const int kinds = (added.points > 0) + (added.lines > 0) + (added.faces > 0) +
                      (added.solids > 0) + (added.buttons > 0) + (added.texts > 0);
    if (kinds == 0) {
        return;
    }
    // Faces always call themselves "添加面" and buttons and texts are recorded one by one, so
    // those need a compound to carry another name or a count above one.
    const bool single = kinds == 1 && !follower && added.buttons <= 1 && added.texts <= 1 &&
                        (added.faces == 0 || name == "添加面");
    auto cmds = AdditionCommands(doc, added, !single, name);
    if (follower) {
        cmds.push_back(std::move(follower));
    }
    if (single) {
        doc.CommandProcessor().AddCommand(std::move(cmds.front()));
        return;
    }
    auto compound = std::make_unique<CCmdCompound>(name);
    CCmdCompound& recorded = *compound;
    doc.CommandProcessor().AddCommand(std::move(compound));
    for (auto& cmd : cmds) {
        recorded.Append(std::move(cmd));
    }
}

}  // namespace velnor
