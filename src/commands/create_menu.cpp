#include "buttons/point_on_circle.h"
#include "commands/construction_items.h"
#include "commands/menu_items.h"
#include "commands/section_net_items.h"
#include "commands/solid_items.h"
#include "commands/vertex_line_commands.h"
#include "editing/page_operations.h"
#include "editing/solid_array.h"
#include "geometry/circle_constructions.h"
#include "geometry/text_format.h"
#include "model/document.h"

namespace velnor {

namespace {

void PointOnCircle(CPlomDoc& doc) {
    AddPointOnCircle(doc);
}

void AssemblePage(CPlomDoc& doc) {
    doc.AssembleCurrentPage();
}

constexpr int kMaxArrayCount = 10;

SolidArrayLayout ArrayFromParams(const CommandParams& params) {
    SolidArrayLayout layout;
    layout.counts = {params.Integer("nx", layout.counts[0]), params.Integer("ny", layout.counts[1]),
                     params.Integer("nz", layout.counts[2])};
    layout.distances = params.Vector("dx", "dy", "dz", layout.distances);
    return layout;
}

std::string CheckArrayCounts(const CPlomDoc&, const CommandParams& params) {
    for (const int count : ArrayFromParams(params).counts) {
        if (count < 1 || count > kMaxArrayCount) {
            return RangeRefusal(1, kMaxArrayCount, true);
        }
    }
    return {};
}

CommandEntry SolidArrayItem() {
    CommandEntry entry = DocumentItem(
        33110, "组件阵列...", "组件阵列",
        [](CPlomDoc& doc, const CommandParams& params) {
            AddSolidArray(doc, ArrayFromParams(params));
            return CommandOutcome::kDone;
        },
        [](const CPlomDoc& doc) { return doc.CurrentPage().m_selSolids.size() == 1; });
    entry.params = {"nx", "dx", "ny", "dy", "nz", "dz"};
    entry.dialogFirst = true;
    entry.check = CheckArrayCounts;
    return entry;
}

}  // namespace

std::vector<CommandEntry> CreateMenu() {
    std::vector<CommandEntry> items{
        ViewItem(33144, "铅笔", "创建点、线、面、柱、锥、台"),
        MidpointItem(),
        IntersectionItem(),
        RatioPointItem(),
        SymmetricPointItem(),
        DocumentItem(
            32813, "线段、射线、直线、向量", "画线段、射线、直线、向量",
            [](CPlomDoc& doc, const CommandParams&) { return JoinSelectedVertices(doc); },
            CanDrawLines),
        PerpendicularItem(),
        CommonPerpendicularItem(),
        ParallelItem(),
        AngleBisectorItem(),
        DocumentItem(
            32831, "面", "画过已知点的平面(参与消隐)",
            [](CPlomDoc& doc, const CommandParams&) { return FaceThroughSelectedVertices(doc); },
            CanDrawFace),
        CrossSectionItem(),
        SectionAnimationItem(),
        PolyhedronNetItem(),
        CircleThroughThreePointsItem(),
        DocumentItem(33239, "圆上动点", "创建圆上的点及控制该点在圆上转动的按钮",
                     Plain(PointOnCircle), PageAllows(IsCircleSelected)),
        CircleNormalItem(),
        GeometricSphereItem(),
        SphereAxisItem(),
        LatitudeLongitudeItem(),
        FigureSetItem(),
        ComponentItem(),
        SolidArrayItem(),
        DocumentItem(32824, "新建页", "新建页", Plain(NewPage)),
        DocumentItem(32963, "组装页", "当前页组合为一个组件", Plain(AssemblePage)),
    };
    return InMenu("创建", std::move(items));
}

}  // namespace velnor
