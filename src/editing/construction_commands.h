#pragma once

namespace velnor {

class CPlomDoc;

// The construction commands of the Create menu on the document's current page. Each runs its
// construction and, when that succeeds, records one undoable command, marks the document modified
// and redraws. They return whether anything was made.

// "中点": the midpoints of the selected lines, recorded as "添加中点".
bool RunMidpointCommand(CPlomDoc& doc);
// "定比分点" with the ratio m : n of its dialog, recorded as "添加定比分点".
bool RunRatioPointCommand(CPlomDoc& doc, int m, int n);
// "点关于点的对称点", recorded as "添加对称点".
bool RunSymmetricPointCommand(CPlomDoc& doc);
// "交点", recorded as "添加交点".
bool RunIntersectionCommand(CPlomDoc& doc);
// "垂线", recorded as the compound "添加垂线" of one point and one line.
bool RunPerpendicularCommand(CPlomDoc& doc);
// "公垂线段", recorded as the compound "添加公垂线段" of two points and one line.
bool RunCommonPerpendicularCommand(CPlomDoc& doc);
// "平行线", recorded as the compound "添加平行线" of two points and one line.
bool RunParallelCommand(CPlomDoc& doc);
// "角平分线", recorded as the compound "添加角平分线" of one point and one line.
bool RunAngleBisectorCommand(CPlomDoc& doc);

}  // namespace velnor
