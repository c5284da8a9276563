#pragma once

#include <memory>
#include <string>

#include "model/cmd.h"

#include "model/added_cells.h"

namespace velnor {

class CPlomDoc;

// Records additions already made to the current page as one undoable command named `name`.
// One kind alone gives that kind's addition command under `name`; several kinds give a compound
// `name` holding, in the order points, lines, faces, solids, buttons, texts, the commands
// "添加点", "添加线", "添加面", "添加组件", "添加操作按钮", "添加动态文本". Nothing added records
// nothing. A `follower` (a change the operation made to show what it added) is recorded last in
// the same compound.
void RecordAdditions(CPlomDoc& doc, const std::string& name, const AddedCells& added,
                     std::unique_ptr<CCmd> follower = nullptr);

}  // namespace velnor
