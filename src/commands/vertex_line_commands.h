#pragma once

#include <string>

#include "commands/command_entry.h"
#include "model/color.h"

namespace velnor {

class CPlomDoc;

bool HasSelectedVertices(const CPlomDoc& doc);
bool HasSelectedLines(const CPlomDoc& doc);

// "批量修改标签": the selected vertices take the letter (from `letter`, advancing) followed by
// `suffix`. Not recorded.
void RelabelSelectedVertices(CPlomDoc& doc, const std::string& letter, const std::string& suffix);
// "修改点的颜色": the selected vertices take the colour. Not recorded.
void ColourSelectedVertices(CPlomDoc& doc, const Rgb& colour);
// "修改线的方向": every selected line runs the other way; the line selection is emptied. The
// names stay until the page rebuilds them. Not recorded.
void ReverseSelectedLines(CPlomDoc& doc);

// "线段、射线、直线、向量" with two or more selected vertices: joins them in order (closing the
// loop from three on) with lines of the current kind and records "添加线" or "添加线串". With
// fewer the view takes over with its line tool.
CommandOutcome JoinSelectedVertices(CPlomDoc& doc);
bool CanDrawLines(const CPlomDoc& doc);
// "面" with three or more selected vertices: a face through them, recorded as "添加面". With fewer
// the view takes over with its face tool.
CommandOutcome FaceThroughSelectedVertices(CPlomDoc& doc);
bool CanDrawFace(const CPlomDoc& doc);

}  // namespace velnor
