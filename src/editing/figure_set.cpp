#include "editing/figure_set.h"

#include <array>
#include <cmath>
#include <optional>

#include "editing/record_additions.h"
#include "editing/sphere_commands.h"
#include "geometry/solid_generators.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr float kToolbarCubeEdge = 10.0f;

// The name each figure is recorded under, in list order.
constexpr std::array<const char*, kFigureTypeCount> kRecordNames{
    "添加正方体",   "添加长方体", "添加正棱柱",   "添加正棱锥",     "添加正棱台",
    "添加正多边形", "添加相交面", "添加正八面体", "添加正十二面体", "添加正二十面体",
    "添加几何球体", "添加圆柱",   "添加圆锥",     "添加圆台"};

// The vertex-built figures and the bodies of revolution; the geometric sphere records itself.
std::optional<AddedCells> Generate(CGpage& page, const FigureSetValues& v) {
    const Vec3 c{v.x, v.y, v.z};
    switch (static_cast<FigureType>(v.type)) {
        case FigureType::kCube:
            return AddCube(page, c, v.edge);
        case FigureType::kCuboid:
            return AddCuboid(page, c, v.edge, v.width, v.height);
        case FigureType::kPrism:
            return AddPrism(page, c, v.sides, v.radius, v.height);
        case FigureType::kPyramid:
            return AddPyramid(page, c, v.sides, v.radius, v.height);
        case FigureType::kFrustum:
            return AddFrustum(page, c, v.sides, v.radius, v.height, v.ratio);
        case FigureType::kPolygon:
            return AddPolygon(page, c, v.sides, v.radius);
        case FigureType::kIntersectingPlanes:
            return AddIntersectingPlanes(page, c, v.edge);
        case FigureType::kOctahedron:
            return AddOctahedron(page, c, v.radius);
        case FigureType::kDodecahedron:
            return AddDodecahedron(page, c, v.radius);
        case FigureType::kIcosahedron:
            return AddIcosahedron(page, c, v.radius);
        case FigureType::kCylinder:
            return AddCylinder(page, c, v.radius, v.height);
        case FigureType::kCone:
            return AddCone(page, c, v.radius, v.height);
        case FigureType::kConeFrustum:
            return AddConeFrustum(page, c, v.radius, v.height, v.ratio);
        case FigureType::kGeometricSphere:
            break;
    }
    return std::nullopt;
}

bool Record(CPlomDoc& doc, const char* name, const std::optional<AddedCells>& added) {
    if (!added) {
        return false;
    }
    RecordAdditions(doc, name, *added);
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace

bool CreateFigureSet(CPlomDoc& doc, const FigureSetValues& values) {
    if (const auto error = FigureValuesError(values)) {
        ShowMessage(*error);
        return false;
    }
    const auto type = static_cast<FigureType>(values.type);
    if (type == FigureType::kGeometricSphere) {
        return AddGeometricSphereFigure(doc, {values.x, values.y, values.z}, values.radius);
    }
    return Record(doc, kRecordNames[values.type], Generate(doc.CurrentPage(), values));
}

bool AddToolbarCube(CPlomDoc& doc) {
    return Record(doc, "添加正方体", AddCube(doc.CurrentPage(), {}, kToolbarCubeEdge));
}

bool AddToolbarTetrahedron(CPlomDoc& doc) {
    const float radius = kToolbarCubeEdge * std::sqrt(6.0f) / 3.0f;
    const float height = std::sqrt(2.0f) * radius;
    return Record(doc, "添加三棱锥", AddPyramid(doc.CurrentPage(), {}, 3, radius, height));
}

bool AddToolbarGeometricSphere(CPlomDoc& doc) {
    return AddGeometricSphereFigure(doc, {}, kToolbarCubeEdge / 2.0f * std::sqrt(3.0f));
}

}  // namespace velnor
