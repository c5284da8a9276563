#include "editing/construction_commands.h"

#include <string>

#include "editing/record_additions.h"
#include "geometry/constructions.h"
#include "model/document.h"
#include "model/refresh_hint.h"

namespace velnor {

namespace {

constexpr AddedCells kPointAndLine{.points = 1, .lines = 1};
constexpr AddedCells kTwoPointsAndLine{.points = 2, .lines = 1};

// After a construction: record what it added and show it, or nothing when it was refused.
bool Record(CPlomDoc& doc, bool constructed, const std::string& name, const AddedCells& added) {
    if (!constructed) {
        return false;
    }
    RecordAdditions(doc, name, added);
    doc.Refresh(added.lines > 0 ? kHintAll : kHintVertices);
    return true;
}

int SelectedLineCount(const CPlomDoc& doc) {
    return static_cast<int>(doc.CurrentPage().m_selLines.size());
}

}  // namespace

bool RunMidpointCommand(CPlomDoc& doc) {
    const int count = SelectedLineCount(doc);
    return Record(doc, ConstructRatioPoints(doc.CurrentPage(), 1.0f), "添加中点",
                  {.points = count});
}

bool RunRatioPointCommand(CPlomDoc& doc, int m, int n) {
    const int count = SelectedLineCount(doc);
    return Record(doc, ConstructRatioPoints(doc.CurrentPage(), m, n), "添加定比分点",
                  {.points = count});
}

bool RunSymmetricPointCommand(CPlomDoc& doc) {
    return Record(doc, ConstructSymmetricPoint(doc.CurrentPage()), "添加对称点", {.points = 1});
}

bool RunIntersectionCommand(CPlomDoc& doc) {
    return Record(doc, ConstructIntersection(doc.CurrentPage()), "添加交点", {.points = 1});
}

bool RunPerpendicularCommand(CPlomDoc& doc) {
    return Record(doc, ConstructPerpendicular(doc.CurrentPage()), "添加垂线", kPointAndLine);
}

bool RunCommonPerpendicularCommand(CPlomDoc& doc) {
    return Record(doc, ConstructCommonPerpendicular(doc.CurrentPage()), "添加公垂线段",
                  kTwoPointsAndLine);
}

bool RunParallelCommand(CPlomDoc& doc) {
    return Record(doc, ConstructParallel(doc.CurrentPage()), "添加平行线", kTwoPointsAndLine);
}

bool RunAngleBisectorCommand(CPlomDoc& doc) {
    return Record(doc, ConstructAngleBisector(doc.CurrentPage()), "添加角平分线", kPointAndLine);
}

}  // namespace velnor
