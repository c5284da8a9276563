#include "geometry/measure_text.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "geometry/classify.h"
#include "geometry/construction_messages.h"
#include "geometry/kernel.h"
#include "geometry/measure_enabling.h"
#include "geometry/page_geometry.h"
#include "geometry/plane_equation_text.h"
#include "geometry/text_format.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr int kPlaceX = 200;
constexpr int kPlaneEquationPlaceX = 320;
constexpr int kLineSpacing = 30;

// The vertices a new text stores and the name it shows.
struct MeasureSource {
    std::vector<uint8_t> verts;
    std::string name;
};

class SourceBuilder {
public:
    explicit SourceBuilder(const CGpage& page) : m_page(page) {}

    SourceBuilder& Point(size_t nth) {
        Add(static_cast<uint8_t>(m_page.m_selPoints[nth]));
        return *this;
    }

    // The ends of the nth selected line; as a line (not a segment) they must not coincide.
    SourceBuilder& Line(size_t nth, bool asLine = true) {
        const CLineCell* line = FindLine(m_page, m_page.m_selLines[nth]);
        m_complete = m_complete && line != nullptr;
        if (line != nullptr) {
            if (asLine && !HasDirection(EndsOf(m_page, *line))) {
                Refuse(kLineWithoutDirectionMessage);
            }
            Add(line->m_nStart);
            Add(line->m_nEnd);
        }
        return *this;
    }

    // The three vertices that give the nth selected face's plane.
    SourceBuilder& Face(size_t nth) {
        const CFaceCell* face = SelectedFace(nth);
        if (m_complete) {
            const FaceCorners corners = CornersOf(m_page, *face);
            if (!corners.hasPlane) {
                Refuse(kFaceWithoutPlaneMessage);
            }
            for (uint8_t vertex : corners.index) {
                Add(vertex);
            }
        }
        return *this;
    }

    SourceBuilder& AllOfFace(size_t nth) {
        const CFaceCell* face = SelectedFace(nth);
        if (m_complete) {
            for (uint8_t vertex : face->Verts()) {
                Add(vertex);
            }
        }
        return *this;
    }

    SourceBuilder& Text(const char* literal) {
        m_source.name += literal;
        return *this;
    }

    // Nothing when the selection does not give the measure, or (with a message) when a line or
    // a face it needs has no direction or plane.
    std::optional<MeasureSource> Build() const {
        if (m_complete && m_refusal != nullptr) {
            ShowMessage(m_refusal);
            return std::nullopt;
        }
        return m_complete ? std::optional(m_source) : std::nullopt;
    }

private:
    const CFaceCell* SelectedFace(size_t nth) {
        const CFaceCell* face = FindFace(m_page, m_page.m_selFaces[nth]);
        m_complete = m_complete && face != nullptr && face->m_nVerts >= 3;
        return face;
    }

    void Refuse(const char* message) {
        if (m_refusal == nullptr) {
            m_refusal = message;
        }
    }

    void Add(uint8_t vertex) {
        m_source.verts.push_back(vertex);
        m_source.name += m_page.m_label[vertex];
    }

    const CGpage& m_page;
    MeasureSource m_source;
    bool m_complete = true;
    const char* m_refusal = nullptr;
};

std::optional<MeasureSource> SourceFor(const CGpage& page, int request) {
    SourceBuilder b(page);
    switch (request) {
        case kPointCoordinates:
            return b.Point(0).Build();
        case kPointDistance:
            return b.Text("| ").Point(0).Point(1).Text(" |").Build();
        case kSegmentLength:
            return b.Text("| ").Line(0, false).Text(" |").Build();
        case kPointLineDistance:
            return b.Text("| ").Point(0).Text(" , ").Line(0).Text(" |").Build();
        case kPointPlaneDistance:
            return b.Text("| ").Point(0).Text(" , ").Face(0).Text(" |").Build();
        case kLineLineDistance:
            return b.Text("| ").Line(0).Text(" , ").Line(1).Text(" |").Build();
        case kLineLineAngle:
            return b.Text("< ").Line(0).Text(" , ").Line(1).Text(" >").Build();
        case kLinePlaneAngle:
            return b.Text("< ").Line(0).Text(" , ").Face(0).Text(" >").Build();
        case kDihedralAngle:
            return b.Text("< ").Face(0).Text(" , ").Face(1).Text(" >").Build();
        case kFaceArea:
            return b.AllOfFace(0).Build();
        case kTetraVolume:
            return b.Text("V( ").Point(0).Point(1).Point(2).Point(3).Text(" )").Build();
        case kPlaneEquation:
            return b.Face(0).Build();
        case kVertexAngle:
            return b.Text("< ").Point(0).Point(1).Point(2).Build();
        default:
            return std::nullopt;
    }
}

// The area text names only the first three vertices, whatever the face's size.
std::string AreaName(const CGpage& page, const std::vector<uint8_t>& verts) {
    return "S( " + page.m_label[verts[0]] + page.m_label[verts[1]] + page.m_label[verts[2]] +
           "...)";
}

size_t VerticesNeeded(uint8_t type) {
    switch (type) {
        case kPointCoordinates:
            return 1;
        case kPointDistance:
            return 2;
        case kPointLineDistance:
            return 3;
        case kPointPlaneDistance:
            return 4;
        case kLineLineDistance:
        case kLineLineAngle:
            return 4;
        case kLinePlaneAngle:
            return 5;
        case kDihedralAngle:
            return 6;
        case kFaceArea:
            return 3;
        case kTetraVolume:
            return 4;
        case kPlaneEquation:
            return 3;
        case kVertexAngle:
            return 3;
        default:
            return 0;
    }
}

float PointPlaneDistance(const std::array<Vec3, CDTextCell::kMaxVerts>& v) {
    // The plane through V0 with normal (V1 − V0) × (V2 − V0); only the distance's size matters.
    const Vec3 n = Cross(v[2] - v[1], v[3] - v[1]);
    const float d = -Dot(n, v[1]);
    return DistancePointPlane(v[0], {n, d});
}

float MeasuredValue(uint8_t type, const std::array<Vec3, CDTextCell::kMaxVerts>& v, size_t count) {
    switch (type) {
        case kPointDistance:
            return Length(v[1] - v[0]);
        case kPointLineDistance:
            return DistancePointLine(v[0], v[1], v[2]);
        case kPointPlaneDistance:
            return PointPlaneDistance(v);
        case kLineLineDistance:
            return ClassifyLines(v[0], v[1], v[2], v[3]).distance;
        case kLineLineAngle:
            return ClassifyLines(v[0], v[1], v[2], v[3]).angle;
        case kLinePlaneAngle:
            return ClassifyLinePlane(v[0], v[1], FacePlane(v[2], v[3], v[4])).angle;
        case kDihedralAngle:
            return ClassifyPlanes(FacePlane(v[0], v[1], v[2]), FacePlane(v[3], v[4], v[5]), v[3])
                .angle;
        case kFaceArea:
            return FanArea(std::span(v.data(), count)).area;
        case kTetraVolume:
            return TetraVolume(v[0], v[1], v[2], v[3]);
        case kVertexAngle:
            return AngleAtVertex(v[0], v[1], v[2]);
        default:
            return 0.0f;
    }
}

}  // namespace

void UpdateMeasure(const CGpage& page, CDTextCell& text) {
    const size_t count = std::min<size_t>(text.m_nVertCount, CDTextCell::kMaxVerts);
    const size_t needed = VerticesNeeded(text.m_nType);
    if (needed == 0 || count < needed) {
        return;
    }
    std::array<Vec3, CDTextCell::kMaxVerts> v{};
    for (size_t i = 0; i < count; ++i) {
        v[i] = VertexPosition(page, text.m_verts[i]);
    }
    const char* name = text.m_strName.c_str();
    switch (text.m_nType) {
        case kPointCoordinates:
            text.m_strText = FormatText("%s ( %.4f , %.4f , %.4f )", name, Printable(v[0].x),
                                        Printable(v[0].y), Printable(v[0].z));
            return;
        case kPlaneEquation:
            text.m_strText = PlaneEquationText(name, v[0], v[1], v[2]);
            return;
        default:
            text.m_fValue = MeasuredValue(text.m_nType, v, count);
            text.m_strText = FormatText("%s=%.4f", name, Printable(text.m_fValue));
            return;
    }
}

void UpdateAllTexts(CGpage& page) {
    for (auto& [key, text] : page.m_texts) {
        UpdateMeasure(page, *text);
    }
}

std::optional<uint16_t> AddMeasureText(CGpage& page, int request) {
    if (!CanAddMeasureText(page, request)) {
        return std::nullopt;
    }
    std::optional<MeasureSource> source = SourceFor(page, request);
    if (!source) {
        return std::nullopt;
    }
    if (request == kFaceArea) {
        if (source->verts.size() > CDTextCell::kMaxVerts) {
            ShowMessage("边数不要超过6!");
            return std::nullopt;
        }
        source->name = AreaName(page, source->verts);
    }
    const auto type = static_cast<uint8_t>(request == kSegmentLength ? kPointDistance : request);
    auto text = std::make_unique<CDTextCell>(type);
    text->m_strName = source->name;
    text->m_nVertCount = static_cast<uint32_t>(source->verts.size());
    std::copy(source->verts.begin(), source->verts.end(), text->m_verts.begin());
    text->m_nPlaceX = type == kPlaneEquation ? kPlaneEquationPlaceX : kPlaceX;
    CDTextCell& stored = *text;
    const uint16_t key = page.AddText(std::move(text));
    if (key == 0) {
        return std::nullopt;
    }
    stored.m_nPlaceY = kLineSpacing * key;
    UpdateMeasure(page, stored);
    return key;
}

}  // namespace velnor
