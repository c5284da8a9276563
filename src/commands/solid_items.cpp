#include "commands/solid_items.h"

#include "commands/command_error.h"
#include "commands/menu_items.h"
#include "editing/circle_commands.h"
#include "editing/component_command.h"
#include "editing/figure_set.h"
#include "editing/sphere_commands.h"
#include "editing/sphere_latitude_longitude.h"
#include "geometry/circle_constructions.h"
#include "geometry/component_values.h"
#include "geometry/sphere_constructions.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr int kLastComponentKind = kSolidPageComponent;

template <bool (*kAllowed)(const CGpage&)>
bool PageAllows(const CPlomDoc& doc) {
    return kAllowed(doc.CurrentPage());
}

template <bool (*kAdd)(CPlomDoc&)>
CommandOutcome Add(CPlomDoc& doc, const CommandParams&) {
    kAdd(doc);
    return CommandOutcome::kDone;
}

CommandEntry WithDialog(CommandEntry entry, std::vector<std::string> params) {
    entry.params = std::move(params);
    entry.dialogFirst = true;
    return entry;
}

CommandOutcome AddFigureSet(CPlomDoc& doc, const CommandParams& params) {
    FigureSetValues values;
    const int type = params.Integer("type", values.type);
    if (type < 0 || type >= kFigureTypeCount) {
        throw CommandError("parameter type must lie in 0.." + std::to_string(kFigureTypeCount - 1));
    }
    ChooseFigureType(values, type);
    values.edge = params.Float("L", values.edge);
    values.width = params.Float("W", values.width);
    values.height = params.Float("H", values.height);
    values.sides = params.Integer("n", values.sides);
    values.radius = params.Float("r", values.radius);
    values.ratio = params.Float("k", values.ratio);
    values.x = params.Float("X", values.x);
    values.y = params.Float("Y", values.y);
    values.z = params.Float("Z", values.z);
    CreateFigureSet(doc, values);
    return CommandOutcome::kDone;
}

CommandOutcome AddComponentFromParams(CPlomDoc& doc, const CommandParams& params) {
    ComponentValues values = NewComponentValues(doc.CurrentPage(), doc.m_nComponentCount);
    ApplyComponentParams(params, values, true);
    AddComponent(doc, values);
    return CommandOutcome::kDone;
}

CommandOutcome AddLatitudeLongitudeFromParams(CPlomDoc& doc, const CommandParams& params) {
    if (!CanAskLatitudeLongitude(doc.CurrentPage())) {
        return CommandOutcome::kDone;
    }
    LatitudeLongitude values;
    values.latitude = params.Float("lat", values.latitude);
    values.longitude = params.Float("lon", values.longitude);
    values.parallel = params.Flag("parallel", values.parallel);
    values.meridian = params.Flag("meridian", values.meridian);
    values.point = params.Flag("point", values.point);
    AddLatitudeLongitude(doc, values);
    return CommandOutcome::kDone;
}

}  // namespace

void ApplyComponentParams(const CommandParams& params, ComponentValues& values, bool creating) {
    if (params.Has("kind")) {
        const int kind = params.Integer("kind", values.kind);
        if (kind < 0 || kind > kLastComponentKind) {
            throw CommandError("parameter kind must lie in 0.." +
                               std::to_string(kLastComponentKind));
        }
        if (creating) {
            ChooseKindForNew(values, kind);
        } else {
            ChooseKindForModify(values, kind);
        }
        values.kind = kind;
    }
    values.centre = params.Vector("x", "y", "z", values.centre);
    values.axis = params.Vector("ax", "ay", "az", values.axis);
    values.scale = params.Vector("sx", "sy", "sz", values.scale);
    values.spin = params.Float("spin", values.spin);
}

CommandEntry CircleThroughThreePointsItem() {
    return DocumentItem(32909, "过三点的圆", "过三点的圆", Add<AddCircleThroughThreePoints>,
                        PageAllows<CanAddCircleThroughThreePoints>);
}

CommandEntry CircleNormalItem() {
    return DocumentItem(33238, "圆的法线", "作过圆心的圆的法线", Add<AddCircleNormal>,
                        PageAllows<IsCircleSelected>);
}

CommandEntry GeometricSphereItem() {
    return DocumentItem(33010, "几何球体", "添加几何球体", Add<AddToolbarGeometricSphere>);
}

CommandEntry SphereAxisItem() {
    return DocumentItem(33245, "球的轴", "添加过球的南北极的线", Add<AddSphereAxis>,
                        PageAllows<IsSphereSelected>);
}

CommandEntry LatitudeLongitudeItem() {
    return WithDialog(
        DocumentItem(33231, "球上的点、纬线、经线", "根据经纬度作球面上的点及过这点的纬线、经线",
                     AddLatitudeLongitudeFromParams, PageAllows<IsSphereSelected>),
        {"lat", "lon", "parallel", "meridian", "point"});
}

CommandEntry FigureSetItem() {
    return WithDialog(DocumentItem(32917, "图元集...", "图元集", AddFigureSet),
                      {"type", "L", "W", "H", "n", "r", "k", "X", "Y", "Z"});
}

CommandEntry ComponentItem() {
    return WithDialog(DocumentItem(32923, "组件...", "组件", AddComponentFromParams),
                      {"kind", "x", "y", "z", "ax", "ay", "az", "sx", "sy", "sz", "spin"});
}

}  // namespace velnor
