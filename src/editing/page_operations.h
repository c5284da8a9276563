#pragma once

#include <memory>
#include <string>

#include "model/page.h"

namespace velnor {

class CPlomDoc;

// "新建页": a new page with the next id, inserted after the current page and made current.
void NewPage(CPlomDoc& doc);
// Inserts a page after the current one through an undoable command of that name ("粘贴页" ...).
void InsertPage(CPlomDoc& doc, std::unique_ptr<CGpage> page, const std::string& name);
// "下一页" / "上一页": nothing at the last (first) page. Return whether the page changed.
bool NextPage(CPlomDoc& doc);
bool PreviousPage(CPlomDoc& doc);
// Makes the page at `position` (1 for the first) current, as choosing it in the manager tree.
bool SwitchToPage(CPlomDoc& doc, int position);

}  // namespace velnor
