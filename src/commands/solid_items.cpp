#include "commands/solid_items.h"

#include "commands/menu_items.h"
#include "editing/circle_commands.h"
#include "editing/component_command.h"
#include "editing/figure_set.h"
#include "editing/sphere_commands.h"
#include "editing/sphere_latitude_longitude.h"
#include "geometry/circle_constructions.h"
#include "geometry/component_values.h"
#include "geometry/sphere_constructions.h"
#include "geometry/text_format.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr int kLastComponentKind = kSolidPageComponent;
constexpr float kMaxLatitude = 90.0f;
constexpr float kMaxLongitude = 180.0f;

Plane PlaneParams(const CommandParams& params, const char* suffix, const Plane& fallback) {
    const std::string s = suffix;
    return {params.Number("a" + s, fallback[0]), params.Number("b" + s, fallback[1]),
            params.Number("c" + s, fallback[2]), params.Number("d" + s, fallback[3])};
}

CommandEntry WithDialog(CommandEntry entry, std::vector<std::string> params) {
    entry.params = std::move(params);
    entry.dialogFirst = true;
    return entry;
}

FigureSetValues FigureSetFromParams(const CommandParams& params) {
    FigureSetValues values;
    ChooseFigureType(values, params.Integer("type", values.type));
    values.edge = params.Float("L", values.edge);
    values.width = params.Float("W", values.width);
    values.height = params.Float("H", values.height);
    values.sides = params.Integer("n", values.sides);
    values.radius = params.Float("r", values.radius);
    values.ratio = params.Float("k", values.ratio);
    values.x = params.Float("X", values.x);
    values.y = params.Float("Y", values.y);
    values.z = params.Float("Z", values.z);
    return values;
}

std::string CheckFigureSet(const CPlomDoc&, const CommandParams& params) {
    return FigureValuesError(FigureSetFromParams(params)).value_or("");
}

CommandOutcome AddFigureSet(CPlomDoc& doc, const CommandParams& params) {
    CreateFigureSet(doc, FigureSetFromParams(params));
    return CommandOutcome::kDone;
}

CommandOutcome AddComponentFromParams(CPlomDoc& doc, const CommandParams& params) {
    ComponentValues values = NewComponentValues(doc.CurrentPage(), doc.m_nComponentCount);
    ApplyComponentParams(params, values, true);
    AddComponent(doc, values);
    return CommandOutcome::kDone;
}

std::string CheckLatitudeLongitude(const CPlomDoc&, const CommandParams& params) {
    const LatitudeLongitude defaults;
    const float latitude = params.Float("lat", defaults.latitude);
    if (latitude < -kMaxLatitude || latitude > kMaxLatitude) {
        return RangeRefusal(-kMaxLatitude, kMaxLatitude, false);
    }
    const float longitude = params.Float("lon", defaults.longitude);
    if (longitude < -kMaxLongitude || longitude > kMaxLongitude) {
        return RangeRefusal(-kMaxLongitude, kMaxLongitude, false);
    }
    return {};
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

const std::vector<std::string>& ComponentParamNames() {
    static const std::vector<std::string> names{
        "kind", "x",      "y",      "z",  "ax", "ay", "az", "sx", "sy", "sz", "spin", "component",
        "clip", "plane1", "plane2", "a1", "b1", "c1", "d1", "a2", "b2", "c2", "d2",   "ratio"};
    return names;
}

std::string ComponentParamsRefusal(const CPlomDoc& doc, const CommandParams& params,
                                   int currentKind) {
    const int kind = params.Integer("kind", currentKind);
    if (params.Has("kind") && (kind < 0 || kind > kLastComponentKind)) {
        return RangeRefusal(0, kLastComponentKind, true);
    }
    if (kind != kSolidPageComponent) {
        return {};
    }
    if (doc.m_nComponentCount == 0) {
        return "还没有组件页，请先用“组装页”把一页组合为组件。";
    }
    const int number = params.Integer("component", 1);
    if (number < 1 || number > doc.m_nComponentCount) {
        return RangeRefusal(1, doc.m_nComponentCount, true);
    }
    return {};
}

void ApplyComponentParams(const CommandParams& params, ComponentValues& values, bool creating) {
    if (params.Has("kind")) {
        const int kind = params.Integer("kind", values.kind);
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
    values.pageComponent = params.Integer("component", values.pageComponent + 1) - 1;
    values.clip = params.Flag("clip", values.clip);
    values.clipPlane1On = params.Flag("plane1", values.clipPlane1On);
    values.clipPlane2On = params.Flag("plane2", values.clipPlane2On);
    values.clipPlane1 = PlaneParams(params, "1", values.clipPlane1);
    values.clipPlane2 = PlaneParams(params, "2", values.clipPlane2);
    values.ratio = params.Number("ratio", values.ratio);
}

CommandEntry CircleThroughThreePointsItem() {
    return DocumentItem(32909, "过三点的圆", "过三点的圆", Plain(AddCircleThroughThreePoints),
                        PageAllows(CanAddCircleThroughThreePoints));
}

CommandEntry CircleNormalItem() {
    return DocumentItem(33238, "圆的法线", "作过圆心的圆的法线", Plain(AddCircleNormal),
                        PageAllows(IsCircleSelected));
}

CommandEntry GeometricSphereItem() {
    return DocumentItem(33010, "几何球体", "添加几何球体", Plain(AddToolbarGeometricSphere));
}

CommandEntry SphereAxisItem() {
    return DocumentItem(33245, "球的轴", "添加过球的南北极的线", Plain(AddSphereAxis),
                        PageAllows(IsSphereSelected));
}

CommandEntry LatitudeLongitudeItem() {
    CommandEntry entry = WithDialog(
        DocumentItem(33231, "球上的点、纬线、经线", "根据经纬度作球面上的点及过这点的纬线、经线",
                     AddLatitudeLongitudeFromParams, PageAllows(IsSphereSelected)),
        {"lat", "lon", "parallel", "meridian", "point"});
    entry.check = CheckLatitudeLongitude;
    return entry;
}

CommandEntry FigureSetItem() {
    CommandEntry entry = WithDialog(DocumentItem(32917, "图元集...", "图元集", AddFigureSet),
                                    {"type", "L", "W", "H", "n", "r", "k", "X", "Y", "Z"});
    entry.check = CheckFigureSet;
    return entry;
}

CommandEntry ComponentItem() {
    CommandEntry entry = WithDialog(DocumentItem(32923, "组件...", "组件", AddComponentFromParams),
                                    ComponentParamNames());
    entry.check = [](const CPlomDoc& doc, const CommandParams& params) {
        return ComponentParamsRefusal(doc, params, ComponentValues{}.kind);
    };
    return entry;
}

}  // namespace velnor
