#include "geometry/selection_report.h"

#include <optional>
#include <vector>

#include "geometry/classify.h"
#include "geometry/kernel.h"
#include "geometry/page_geometry.h"
#include "geometry/text_format.h"
#include "geometry/tolerances.h"

namespace velnor {

namespace {

constexpr const char* kDynamicTextNote =
    "这是动态文本，是点列的子女。\n修改相关点的坐标（如动作按钮，变换，拖移），值自动变化";

std::string TwoPoints(const CGpage& page) {
    const int p = page.m_selPoints[0];
    const int q = page.m_selPoints[1];
    const float distance = Length(VertexPosition(page, q) - VertexPosition(page, p));
    return FormatText("点%s与点%s间的距离为  %g \n", page.m_label[p].c_str(),
                      page.m_label[q].c_str(), Printable(distance));
}

std::string PointAndLine(const CGpage& page, const CLineCell& line) {
    const int p = page.m_selPoints[0];
    const LineEnds ends = EndsOf(page, line);
    const float distance = DistancePointLine(VertexPosition(page, p), ends.a, ends.b);
    if (Exceeds(distance, kEpsOnOff)) {
        return FormatText("点 %s 在直线 %s 外.\n\n距离为  %g \n", page.m_label[p].c_str(),
                          line.m_strName.c_str(), Printable(distance));
    }
    return FormatText("点 %s 在直线 %s 上.\n", page.m_label[p].c_str(), line.m_strName.c_str());
}

std::string PointAndFace(const CGpage& page, const CFaceCell& face) {
    const int p = page.m_selPoints[0];
    const float distance =
        DistancePointPlane(VertexPosition(page, p), CornersOf(page, face).Plane());
    if (Exceeds(distance, kEpsOnOff)) {
        return FormatText("点 %s 在平面 %s 外.\n\n距离为  %g \n", page.m_label[p].c_str(),
                          face.m_strName.c_str(), Printable(distance));
    }
    return FormatText("点 %s 在平面 %s 上.\n", page.m_label[p].c_str(), face.m_strName.c_str());
}

std::string OneLine(const CGpage& page, const CLineCell& line) {
    const LineEnds ends = EndsOf(page, line);
    return FormatText("线段%s \n\n长度: %g \n", line.m_strName.c_str(),
                      Printable(Length(ends.b - ends.a)));
}

std::string TwoLines(const CGpage& page, const CLineCell& first, const CLineCell& second) {
    const LineEnds l1 = EndsOf(page, first);
    const LineEnds l2 = EndsOf(page, second);
    const LinesVerdict verdict = ClassifyLines(l1.a, l1.b, l2.a, l2.b);
    const char* name1 = first.m_strName.c_str();
    const char* name2 = second.m_strName.c_str();
    switch (verdict.relation) {
        case LinesRelation::kSkew:
            return FormatText(
                "异面直线 %s与%s 间的距离为  %g \n\n夹角为  %g 度\n\n夹角的余弦为  %.4f\n", name1,
                name2, Printable(verdict.distance), Printable(verdict.angle),
                Printable(verdict.cosine));
        case LinesRelation::kIntersecting:
            return FormatText("相交直线 %s与%s\n\n夹角为  %g 度\n\n夹角的余弦为  %.4f\n", name1,
                              name2, Printable(verdict.angle), Printable(verdict.cosine));
        case LinesRelation::kCoincident:
            return FormatText("直线 %s与%s 重合.", name1, name2);
        case LinesRelation::kParallel:
            return FormatText("平行直线 %s与%s间的距离为  %g \n", name1, name2,
                              Printable(verdict.distance));
    }
    return kNoSelectionReport;
}

std::string LineAndFace(const CGpage& page, const CLineCell& line, const CFaceCell& face) {
    const LineEnds ends = EndsOf(page, line);
    const LinePlaneVerdict verdict =
        ClassifyLinePlane(ends.a, ends.b, CornersOf(page, face).Plane());
    const char* lineName = line.m_strName.c_str();
    const char* faceName = face.m_strName.c_str();
    switch (verdict.relation) {
        case LinePlaneRelation::kMeets:
            return FormatText("直线 %s与平面%s 相交\n\n 线面角为  %g 度.\n\n余弦为  %.4f\n",
                              lineName, faceName, Printable(verdict.angle),
                              Printable(verdict.cosine));
        case LinePlaneRelation::kParallel:
            return FormatText("直线 %s与平面%s 平行.\n\n距离为  %g \n", lineName, faceName,
                              Printable(verdict.distance));
        case LinePlaneRelation::kInPlane:
            return FormatText("直线 %s在平面%s内.\n", lineName, faceName);
    }
    return kNoSelectionReport;
}

std::string OneFace(const CGpage& page, const CFaceCell& face) {
    std::vector<Vec3> verts;
    for (uint8_t v : face.Verts()) {
        verts.push_back(VertexPosition(page, v));
    }
    const AreaAndPerimeter measures = FanArea(verts);
    return FormatText("面 %s      边数:  %d\n\n面积: %g;  周长: %g\n", face.m_strName.c_str(),
                      static_cast<int>(face.m_nVerts), Printable(measures.area),
                      Printable(measures.perimeter));
}

std::string TwoFaces(const CGpage& page, const CFaceCell& first, const CFaceCell& second) {
    const FaceCorners f1 = CornersOf(page, first);
    const FaceCorners f2 = CornersOf(page, second);
    const PlanesVerdict verdict = ClassifyPlanes(f1.Plane(), f2.Plane(), f2.v0);
    const char* name1 = first.m_strName.c_str();
    const char* name2 = second.m_strName.c_str();
    switch (verdict.relation) {
        case PlanesRelation::kIntersecting:
            return FormatText(" 相交平面 %s与%s\n\n 二面角为  %g 度.\n\n 余弦为  %.4f\n", name1,
                              name2, Printable(verdict.angle), Printable(verdict.cosine));
        case PlanesRelation::kCoincident:
            return FormatText("平面 %s与%s 重合.\n", name1, name2);
        case PlanesRelation::kParallel:
            return FormatText(" 平行平面 %s与%s 间的距离为  %g \n", name1, name2,
                              Printable(verdict.distance));
    }
    return kNoSelectionReport;
}

// The report of the vertices, lines and faces selected; nothing when they have none.
std::optional<std::string> GeometryReport(const CGpage& page) {
    const SelectionCounts n = CountSelection(page);
    const CLineCell* line1 = n.lines >= 1 ? FindLine(page, page.m_selLines[0]) : nullptr;
    const CLineCell* line2 = n.lines >= 2 ? FindLine(page, page.m_selLines[1]) : nullptr;
    const CFaceCell* face1 = n.faces >= 1 ? FindFace(page, page.m_selFaces[0]) : nullptr;
    const CFaceCell* face2 = n.faces >= 2 ? FindFace(page, page.m_selFaces[1]) : nullptr;
    if (n.points == 2 && n.lines == 0 && n.faces == 0) {
        return TwoPoints(page);
    }
    if (n.points == 1 && n.lines == 1 && n.faces == 0 && line1 != nullptr) {
        return PointAndLine(page, *line1);
    }
    if (n.points == 1 && n.lines == 0 && n.faces == 1 && face1 != nullptr) {
        return PointAndFace(page, *face1);
    }
    if (n.points == 0 && n.lines == 1 && n.faces == 0 && line1 != nullptr) {
        return OneLine(page, *line1);
    }
    if (n.points == 0 && n.lines == 2 && n.faces == 0 && line1 != nullptr && line2 != nullptr) {
        return TwoLines(page, *line1, *line2);
    }
    if (n.points == 0 && n.lines == 1 && n.faces == 1 && line1 != nullptr && face1 != nullptr) {
        return LineAndFace(page, *line1, *face1);
    }
    if (n.points == 0 && n.lines == 0 && n.faces == 1 && face1 != nullptr) {
        return OneFace(page, *face1);
    }
    if (n.points == 0 && n.lines == 0 && n.faces == 2 && face1 != nullptr && face2 != nullptr) {
        return TwoFaces(page, *face1, *face2);
    }
    return std::nullopt;
}

}  // namespace

std::string BuildSelectionReport(const CGpage& page) {
    if (std::optional<std::string> report = GeometryReport(page)) {
        return *report;
    }
    if (!page.m_selTexts.empty()) {
        return kDynamicTextNote;
    }
    return kNoSelectionReport;
}

}  // namespace velnor
