#include "buttons/point_on_circle.h"
#include "commands/menu_items.h"
#include "commands/vertex_line_commands.h"
#include "editing/page_operations.h"
#include "model/document.h"

namespace velnor {

namespace {

bool OneSolidOfKind(const CPlomDoc& doc, uint8_t kind) {
    const CGpage& page = doc.CurrentPage();
    if (page.m_selSolids.size() != 1) {
        return false;
    }
    auto found = page.m_solids.find(static_cast<uint16_t>(page.m_selSolids.front()));
    return found != page.m_solids.end() && found->second->m_nKind == kind;
}

bool OneCircleSelected(const CPlomDoc& doc) { return OneSolidOfKind(doc, kSolidCircleOutline); }

void PointOnCircle(CPlomDoc& doc) { AddPointOnCircle(doc); }

void AssemblePage(CPlomDoc& doc) { doc.AssembleCurrentPage(); }

CommandEntry WithParams(CommandEntry entry, std::vector<std::string> params) {
    entry.params = std::move(params);
    entry.dialogFirst = true;
    return entry;
}

}  // namespace

std::vector<CommandEntry> CreateMenu() {
    return InMenu("创建", {
        ViewItem(33144, "铅笔", "创建点、线、面、柱、锥、台"),
        DocumentItem(32840, "中点", "用鼠标创建线段中点", {}),
        DocumentItem(32855, "交点", "画线与线或线与面的交点", {}),
        WithParams(DocumentItem(32976, "定比分点", "创建线段的定比分点", {}), {"m", "n"}),
        DocumentItem(33243, "点关于点的对称点", "作一点关于另一点的对称点", {}),
        DocumentItem(
            32813, "线段、射线、直线、向量", "画线段、射线、直线、向量",
            [](CPlomDoc& doc, const CommandParams&) { return JoinSelectedVertices(doc); },
            CanDrawLines),
        DocumentItem(32857, "垂线", "画点到线或点到面的垂线段", {}),
        DocumentItem(32864, "公垂线段", "画异面直线公垂线段", {}),
        DocumentItem(32873, "平行线", "过一点画线的平行线", {}),
        DocumentItem(33256, "角平分线", "根据选取的三点画三角形角平分线", {}),
        DocumentItem(
            32831, "面", "画过已知点的平面(参与消隐)",
            [](CPlomDoc& doc, const CommandParams&) { return FaceThroughSelectedVertices(doc); },
            CanDrawFace),
        DocumentItem(32909, "过三点的圆", "过三点的圆", {}),
        DocumentItem(33239, "圆上动点", "创建圆上的点及控制该点在圆上转动的按钮",
                     Plain(PointOnCircle), OneCircleSelected),
        DocumentItem(33238, "圆的法线", "作过圆心的圆的法线", {}),
        DocumentItem(33010, "几何球体", "添加几何球体", {}),
        DocumentItem(33245, "球的轴", "添加过球的南北极的线", {}),
        WithParams(DocumentItem(33231, "球上的点、纬线、经线",
                                "根据经纬度作球面上的点及过这点的纬线、经线", {}),
                   {"lat", "lon", "parallel", "meridian", "point"}),
        WithParams(DocumentItem(32917, "图元集...", "图元集", {}),
                   {"type", "L", "W", "H", "n", "r", "k", "X", "Y", "Z"}),
        WithParams(DocumentItem(32923, "组件...", "组件", {}),
                   {"kind", "x", "y", "z", "ax", "ay", "az", "sx", "sy", "sz", "spin"}),
        WithParams(DocumentItem(33110, "组件阵列...", "组件阵列", {}),
                   {"nx", "dx", "ny", "dy", "nz", "dz"}),
        DocumentItem(32824, "新建页", "新建页", Plain(NewPage)),
        DocumentItem(32963, "组装页", "当前页组合为一个组件", Plain(AssemblePage)),
    });
}

}  // namespace velnor
