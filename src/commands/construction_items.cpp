#include "commands/construction_items.h"

#include "commands/menu_items.h"
#include "editing/construction_commands.h"
#include "geometry/construction_enabling.h"
#include "geometry/construction_messages.h"
#include "model/document.h"

namespace velnor {

CommandEntry MidpointItem() {
    return DocumentItem(
        32840, "中点", "用鼠标创建线段中点",
        [](CPlomDoc& doc, const CommandParams&) {
            if (doc.CurrentPage().m_selLines.empty()) {
                return CommandOutcome::kViewTakesOver;
            }
            RunMidpointCommand(doc);
            return CommandOutcome::kDone;
        },
        PageAllows(CanConstructMidpoint));
}

CommandEntry IntersectionItem() {
    return DocumentItem(32855, "交点", "画线与线或线与面的交点", Plain(RunIntersectionCommand),
                        PageAllows(CanConstructIntersection));
}

CommandEntry RatioPointItem() {
    CommandEntry entry = DocumentItem(
        32976, "定比分点", "创建线段的定比分点",
        [](CPlomDoc& doc, const CommandParams& params) {
            RunRatioPointCommand(doc, params.Integer("m", 1), params.Integer("n", 1));
            return CommandOutcome::kDone;
        },
        PageAllows(CanConstructRatioPoints));
    entry.params = {"m", "n"};
    entry.dialogFirst = true;
    // m : n = −1 and n = 0 name no point of the line.
    entry.check = [](const CPlomDoc&, const CommandParams& params) {
        const int m = params.Integer("m", 1);
        const int n = params.Integer("n", 1);
        return n == 0 || m == -n ? std::string(kNoRatioPointMessage) : std::string();
    };
    return entry;
}

CommandEntry SymmetricPointItem() {
    return DocumentItem(33243, "点关于点的对称点", "作一点关于另一点的对称点",
                        Plain(RunSymmetricPointCommand), PageAllows(CanConstructSymmetricPoint));
}

CommandEntry PerpendicularItem() {
    return DocumentItem(32857, "垂线", "画点到线或点到面的垂线段", Plain(RunPerpendicularCommand),
                        PageAllows(CanConstructPerpendicular));
}

CommandEntry CommonPerpendicularItem() {
    return DocumentItem(32864, "公垂线段", "画异面直线公垂线段",
                        Plain(RunCommonPerpendicularCommand),
                        PageAllows(CanConstructCommonPerpendicular));
}

CommandEntry ParallelItem() {
    return DocumentItem(32873, "平行线", "过一点画线的平行线", Plain(RunParallelCommand),
                        PageAllows(CanConstructParallel));
}

CommandEntry AngleBisectorItem() {
    return DocumentItem(33256, "角平分线", "根据选取的三点画三角形角平分线",
                        Plain(RunAngleBisectorCommand), PageAllows(CanConstructAngleBisector));
}

}  // namespace velnor
