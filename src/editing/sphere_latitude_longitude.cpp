#include "editing/sphere_latitude_longitude.h"

#include <cmath>
#include <memory>
#include <string>

#include "editing/cmd_add_cells.h"
#include "editing/cmd_add_points.h"
#include "editing/cmd_compound.h"
#include "geometry/circle_solids.h"
#include "geometry/sphere_messages.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

// This dialog has always converted degrees with this eleven-digit value.
constexpr double kDegreesToRadians = 3.1415926536 / 180.0;
constexpr uint32_t kClipByPlane1 = 1;

const CSubassembly* UprightSphere(const CGpage& page) {
    const CSubassembly* sphere = SelectedSolidOfKind(page, kSolidSphereOutline);
    if (!sphere) {
        return nullptr;
    }
    if (!IsUprightRoundSphere(*sphere)) {
        ShowMessage(kNotUprightSphereMessage);
        return nullptr;
    }
    return sphere;
}

// The meridian lies in the vertical plane through C and P. Its clip plane is given in the
// circle's own frame, whose origin is the centre, so P − C keeps the half from pole to pole
// through P wherever the sphere stands.
std::unique_ptr<CSubassembly> MakeMeridian(Vec3 c, Vec3 p, float radius) {
    auto meridian = MakeCircle(c, {c.y - p.y, p.x - c.x, 0.0f}, radius);
    const Vec3 side = p - c;
    meridian->m_nClipMode = kClipByPlane1;
    meridian->m_clipPlane1 = {side.x, side.y, side.z, 0.0};
    return meridian;
}

const char* SolidsRecordName(const LatitudeLongitude& values) {
    if (values.parallel && values.meridian) {
        return "添加球的经纬线";
    }
    return values.meridian ? "添加球的经线" : "添加球的纬圆";
}

void Record(CPlomDoc& doc, const LatitudeLongitude& values) {
    const int circles = values.parallel + values.meridian;
    auto pointRecord = [&] { return std::make_unique<CCmdAddPoints>(1, doc, "添加球上的点"); };
    auto circlesRecord = [&] {
        return std::make_unique<CCmdAddTis>(circles, doc, SolidsRecordName(values));
    };
    CCmdProcessor& history = doc.CommandProcessor();
    if (values.point && circles > 0) {
        auto compound = std::make_unique<CCmdCompound>("添加球上的点及经纬线");
        CCmdCompound& recorded = *compound;
        history.AddCommand(std::move(compound));
        recorded.Append(pointRecord());
        recorded.Append(circlesRecord());
    } else if (values.point) {
        history.AddCommand(pointRecord());
    } else {
        history.AddCommand(circlesRecord());
    }
}

}  // namespace

bool CanAskLatitudeLongitude(const CGpage& page) {
    return UprightSphere(page) != nullptr;
}

bool AddLatitudeLongitude(CPlomDoc& doc, const LatitudeLongitude& values) {
    CGpage& page = doc.CurrentPage();
    if (!values.parallel && !values.meridian && !values.point) {
        return false;
    }
    const CSubassembly* sphere = UprightSphere(page);
    if (!sphere) {
        return false;
    }
    const Vec3 c = ToVec3(sphere->m_position);
    const float radius = sphere->m_scale[0];
    const double phi = values.latitude * kDegreesToRadians;
    const double lambda = values.longitude * kDegreesToRadians;
    const float rho = static_cast<float>(radius * std::cos(phi));
    const Vec3 p{c.x + static_cast<float>(rho * std::cos(lambda)),
                 c.y + static_cast<float>(rho * std::sin(lambda)),
                 c.z + static_cast<float>(radius * std::sin(phi))};
    if (values.point && !page.AddVertex(p.x, p.y, p.z)) {
        return false;
    }
    if (values.parallel) {
        page.AddNewSolid(MakeCircle({c.x, c.y, p.z}, {0.0f, 0.0f, 1.0f}, rho));
    }
    if (values.meridian) {
        page.AddNewSolid(MakeMeridian(c, p, radius));
    }
    Record(doc, values);
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
