#include "geometry/sphere_constructions.h"

#include <cmath>
#include <memory>

#include "editing/cmd_add_cells.h"
#include "editing/cmd_add_points.h"
#include "editing/cmd_compound.h"
#include "geometry/circle_solids.h"
#include "geometry/construction_messages.h"
#include "geometry/solid_generator_builder.h"
#include "geometry/sphere_messages.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

void AddGeometricSphereSolids(CGpage& page, Vec3 o, Vec3 oPrime, float radius,
                              float parallelRadius) {
    page.AddSolid(MakeOutlineSolid(kSolidSphereOutline, o, {0, 0, 1}, {radius, radius, radius}));
    page.AddSolid(MakeCircle(o, {1, 0, 0}, radius));
    page.AddSolid(MakeCircle(o, {0, 0, 1}, radius));
    page.AddSolid(MakeCircle(oPrime, {0, 0, 1}, parallelRadius));
}

}  // namespace

std::optional<AddedCells> AddGeometricSphere(CGpage& page, Vec3 centre, float radius) {
    if (!RoomForFigure(page, 3)) {
        return std::nullopt;
    }
    // O'A is the radius of the parallel and OA the sphere's: OO'A has a right angle at O'.
    const float height = radius / std::sqrt(3.0f);
    const float parallelRadius = radius * std::sqrt(6.0f) / 3.0f;
    const Vec3 oPrime = centre + Vec3{0.0f, 0.0f, height};
    const Vec3 a = oPrime - Vec3{0.0f, parallelRadius, 0.0f};
    AddGeometricSphereSolids(page, centre, oPrime, radius, parallelRadius);

    FigureBuilder figure(page);
    figure.Vertex(centre, "O");
    figure.Vertex(oPrime, "O'");
    figure.Vertex(a, "A");
    figure.Edge(0, 1);
    figure.Edge(1, 2);
    figure.Edge(2, 0);
    figure.Face({0, 1, 2});
    AddedCells added = figure.Finish('B');
    added.solids = 4;
    return added;
}

bool AddGeometricSphereFigure(CPlomDoc& doc, Vec3 centre, float radius) {
    const auto added = AddGeometricSphere(doc.CurrentPage(), centre, radius);
    if (!added) {
        return false;
    }
    auto compound = std::make_unique<CCmdCompound>("添加几何球体");
    CCmdCompound& recorded = *compound;
    doc.CommandProcessor().AddCommand(std::move(compound));
    recorded.Append(std::make_unique<CCmdAddTis>(added->solids, doc, "添加组件"));
    recorded.Append(std::make_unique<CCmdAddPoints>(added->points, doc, "添加点"));
    recorded.Append(std::make_unique<CCmdAddLines>(added->lines, doc, "添加线"));
    if (added->faces > 0) {
        recorded.Append(std::make_unique<CCmdAddFaces>(added->faces, doc));
    }
    doc.Refresh(kHintAll);
    return true;
}

bool IsSphereSelected(const CGpage& page) {
    return SelectedSolidOfKind(page, kSolidSphereOutline) != nullptr;
}

bool AddSphereAxis(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    const CSubassembly* sphere = SelectedSolidOfKind(page, kSolidSphereOutline);
    if (!sphere) {
        return false;
    }
    if (!IsUprightRoundSphere(*sphere)) {
        ShowMessage(kNotUprightSphereMessage);
        return false;
    }
    if (!page.HasRoomFor(2)) {
        ShowMessage(kVertexLimitMessage);
        return false;
    }
    const Vec3 c = ToVec3(sphere->m_position);
    const Vec3 up{0.0f, 0.0f, sphere->m_scale[0]};
    const Vec3 north = c + up;
    const Vec3 south = c - up;
    const int first = page.m_nVertexCount;
    page.AddVertex(north.x, north.y, north.z);
    page.AddVertex(south.x, south.y, south.z);
    page.AddLine(static_cast<uint8_t>(first), static_cast<uint8_t>(first + 1), 0);

    auto compound = std::make_unique<CCmdCompound>("添加极点、球轴");
    CCmdCompound& recorded = *compound;
    doc.CommandProcessor().AddCommand(std::move(compound));
    recorded.Append(std::make_unique<CCmdAddPoints>(2, doc, "添加球的极点"));
    recorded.Append(std::make_unique<CCmdAddLines>(1, doc, "添加球轴"));
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
