#pragma once

#include <vector>

#include "editing/pick_hits.h"
#include "editing/tool_state.h"

namespace velnor {

class CPlomDoc;

// What a left click does in the midpoint, line and face tools, given the hits of the pick pass
// (the midpoint tool picks lines, the other two vertices). Each change is recorded as one undoable
// command and the manager tree is refreshed.

// One line hit: its midpoint, recorded as "添加中点"; the stage returns to none.
void ClickMidpointTool(CPlomDoc& doc, ToolState& state, const std::vector<PickHit>& hits);

// One vertex hit. The first becomes the only selected vertex and the start of the rubber band;
// the second is joined to it by a line of the current kind ("添加线"). A second click on the
// first vertex itself is ignored: it would make a line of no length.
void ClickLineTool(CPlomDoc& doc, ToolState& state, const std::vector<PickHit>& hits);

// A hit vertex joins the vertex selection.
void ClickFaceTool(CPlomDoc& doc, const std::vector<PickHit>& hits);

// The right click that closes the face over 3 to 20 selected vertices ("添加面" when they are
// coplanar); the vertex selection is emptied either way. Other counts do nothing.
void CloseFace(CPlomDoc& doc, ToolState& state);

}  // namespace velnor
