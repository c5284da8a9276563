#include "editing/net_problem_text.h"

namespace velnor {

std::string NetProblemText(const NetProblem& problem,
                           const std::function<std::string(int)>& faceName,
                           const std::function<std::string(int)>& cornerLabel) {
    // Only the edge faults name corners; the others leave them unset.
    const auto edge = [&] { return cornerLabel(problem.cornerA) + cornerLabel(problem.cornerB); };
    const std::string cuts = std::to_string(problem.cutCount);
    const std::string needed = std::to_string(problem.neededCuts);
    switch (problem.fault) {
        case NetFault::kFlatFace:
            return "面" + faceName(problem.face) + "的顶点有重合或都在一条直线上，不能展开";
        case NetFault::kOpenEdge:
            return "棱" + edge() + "只是一个面的边，这些面没有围成封闭的多面体，不能展开";
        case NetFault::kCrowdedEdge:
            return "棱" + edge() + "是" + std::to_string(problem.faceCount) +
                   "个面的公共边，这些面不是一个多面体的表面，不能展开";
        case NetFault::kSeparateParts:
            return "这些面不连成一个多面体，请只选取一个多面体的面";
        case NetFault::kOverlapping:
            return "找不到各面互不重叠的展开图";
        case NetFault::kNotAnEdge:
            return "线" + edge() + "不是这个多面体的棱，不能沿它剪开";
        case NetFault::kTooFewCuts:
            return "剪开的棱太少：选取了" + cuts + "条棱，要剪开" + needed + "条棱才能展开";
        case NetFault::kTooManyCuts:
            return "剪开的棱太多：选取了" + cuts + "条棱，剪开" + needed +
                   "条棱就能展开，多剪会使展开图分成几块";
        case NetFault::kCutsLoop:
            return "剪开的棱围成了一圈，展开图会分成几块，不能展开";
        case NetFault::kCutsOverlap:
            return "沿选取的棱剪开，展开图中有面互相重叠，不能展开";
    }
    return {};
}

}  // namespace velnor
