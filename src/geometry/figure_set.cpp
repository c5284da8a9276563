#include "geometry/figure_set.h"

#include <cmath>
#include <optional>

#include "editing/record_additions.h"
#include "geometry/solid_generators.h"
#include "geometry/sphere_constructions.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr float kToolbarCubeEdge = 10.0f;

const char* RecordName(FigureType type) {
    switch (type) {
        case FigureType::kCube: return "添加正方体";
        case FigureType::kCuboid: return "添加长方体";
        case FigureType::kPrism: return "添加正棱柱";
        case FigureType::kPyramid: return "添加正棱锥";
        case FigureType::kFrustum: return "添加正棱台";
        case FigureType::kPolygon: return "添加正多边形";
        case FigureType::kIntersectingPlanes: return "添加相交面";
        case FigureType::kOctahedron: return "添加正八面体";
        case FigureType::kDodecahedron: return "添加正十二面体";
        case FigureType::kIcosahedron: return "添加正二十面体";
        case FigureType::kGeometricSphere: return "添加几何球体";
        case FigureType::kCylinder: return "添加圆柱";
        case FigureType::kCone: return "添加圆锥";
        case FigureType::kConeFrustum: return "添加圆台";
    }
    return "";
}

// The vertex-built figures and the bodies of revolution; the geometric sphere records itself.
std::optional<AddedCells> Generate(CGpage& page, const FigureSetValues& v) {
    const Vec3 c{v.x, v.y, v.z};
    switch (static_cast<FigureType>(v.type)) {
        case FigureType::kCube: return AddCube(page, c, v.edge);
        case FigureType::kCuboid: return AddCuboid(page, c, v.edge, v.width, v.height);
        case FigureType::kPrism: return AddPrism(page, c, v.sides, v.radius, v.height);
        case FigureType::kPyramid: return AddPyramid(page, c, v.sides, v.radius, v.height);
        case FigureType::kFrustum:
            return AddFrustum(page, c, v.sides, v.radius, v.height, v.ratio);
        case FigureType::kPolygon: return AddPolygon(page, c, v.sides, v.radius);
        case FigureType::kIntersectingPlanes: return AddIntersectingPlanes(page, c, v.edge);
        case FigureType::kOctahedron: return AddOctahedron(page, c, v.radius);
        case FigureType::kDodecahedron: return AddDodecahedron(page, c, v.radius);
        case FigureType::kIcosahedron: return AddIcosahedron(page, c, v.radius);
        case FigureType::kCylinder: return AddCylinder(page, c, v.radius, v.height);
        case FigureType::kCone: return AddCone(page, c, v.radius, v.height);
        case FigureType::kConeFrustum:
            return AddConeFrustum(page, c, v.radius, v.height, v.ratio);
        case FigureType::kGeometricSphere: break;
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
    return Record(doc, RecordName(type), Generate(doc.CurrentPage(), values));
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
