#pragma once

#include <string>
#include <vector>

namespace velnor {

class CPlomDoc;

// The drawing steps of a script, recorded as the mouse tools record them.
// "point X Y Z": a vertex, labelled and selected by the page ("添加点").
void ScriptPoint(CPlomDoc& doc, const std::vector<std::string>& words);
// "line I J": a line of the current kind between two vertices ("添加线").
void ScriptLine(CPlomDoc& doc, const std::vector<std::string>& words);
// "face I J K ...": a face through 3 to 20 vertices that lie in one plane ("添加面").
void ScriptFace(CPlomDoc& doc, const std::vector<std::string>& words);

}  // namespace velnor
