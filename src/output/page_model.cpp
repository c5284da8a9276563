#include "output/page_model.h"

#include <QMatrix4x4>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "model/gl_model.h"
#include "model/page.h"
#include "output/face_orientation.h"
#include "output/solid_geometry.h"
#include "shapes/round_shapes.h"
#include "shapes/solid_shape.h"
#include "view/face_palette.h"
#include "view/title_glyphs.h"

namespace velnor {

namespace {

// Round enough to print smoothly, few enough to keep a ball-and-stick model small.
constexpr int kTubeSides = 16;
constexpr int kBallSlices = 16;
constexpr int kBallStacks = 12;

Vec3 At(const Float3& p) {
    return {p[0], p[1], p[2]};
}

Rgb ToRgb(const std::array<float, 4>& c) {
    const auto byte = [](float v) {
        return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    };
    return {byte(c[0]), byte(c[1]), byte(c[2])};
}

Vec3 FacetNormal(const Vec3& a, const Vec3& b, const Vec3& c) {
    const Vec3 n = Cross(b - a, c - a);
    const float length = Length(n);
    return length > 0.0f ? n / length : Vec3{0.0f, 0.0f, 1.0f};
}

void AddFlatTriangle(ModelPart& part, const Vec3& a, const Vec3& b, const Vec3& c) {
    const Vec3 n = FacetNormal(a, b, c);
    for (const Vec3& p : {a, b, c}) {
        part.triangles.push_back(static_cast<uint32_t>(part.positions.size()));
        part.positions.push_back(p);
        part.normals.push_back(n);
    }
}

// A face is named by its cell name, or else by its corners' labels, as a teacher reads it.
std::string LabelsOf(const CGpage& page, std::span<const uint8_t> verts) {
    std::string labels;
    for (const uint8_t v : verts) {
        labels += page.m_label[v];
    }
    return labels;
}

std::string NameOf(const CGcell& cell, std::string fallback) {
    return cell.m_strName.empty() ? std::move(fallback) : cell.m_strName;
}

bool IsModelled(const CFaceCell& face) {
    const auto verts = face.Verts();
    return !face.m_bHidden && verts.size() >= 3 &&
           std::all_of(verts.begin(), verts.end(),
                       [](uint8_t v) { return v < CGpage::kMaxVertices; });
}

// Each face in the palette colour the filled page shows it in, fanned into triangles (faces
// are convex polygons); a face set that encloses nothing is written with both sides.
bool AddFaces(PageModel& model, const CGpage& page) {
    std::vector<const CFaceCell*> faces;
    std::vector<std::vector<uint8_t>> corners;
    for (const auto& [key, face] : page.m_faces) {
        if (IsModelled(*face)) {
            faces.push_back(face.get());
            corners.emplace_back(face->Verts().begin(), face->Verts().end());
        }
    }
    const std::vector<Float3> positions(page.m_pos.begin(), page.m_pos.end());
    const std::optional<std::vector<bool>> flips = OutwardFlips(corners, positions);
    for (size_t i = 0; i < faces.size(); ++i) {
        const PaletteColor& c = FacePaletteColor(static_cast<int>(i));
        ModelPart part{NameOf(*faces[i], LabelsOf(page, faces[i]->Verts())), {c[0], c[1], c[2]}};
        std::vector<Vec3> ring;
        for (const uint8_t v : corners[i]) {
            ring.push_back(At(page.m_pos[v]));
        }
        if (flips && (*flips)[i]) {
            std::reverse(ring.begin(), ring.end());
        }
        for (size_t k = 1; k + 1 < ring.size(); ++k) {
            AddFlatTriangle(part, ring[0], ring[k], ring[k + 1]);
            if (!flips) {
                AddFlatTriangle(part, ring[0], ring[k + 1], ring[k]);
            }
        }
        model.parts.push_back(std::move(part));
    }
    return flips.has_value();
}

// A solid's painted surfaces placed by its orientation and scale; the solids the view draws as
// outlines give the bodies behind their outlines. Flat lettering (the title's fronts) and wire
// lines have no skin to print and are left out.
void AddSolid(PageModel& model, const CSubassembly& solid, const CGlModel& settings) {
    const auto kind = ShapeKindOf(solid.m_nKind);
    if (!kind) {
        return;
    }
    const QtTitleOutlines title(settings);
    const ShapeValues values{*kind, solid.m_dShape, &title};
    const std::vector<Surface> surfaces =
        HasSilhouette(*kind) ? HidingBodyOf(values) : ShapeOf(values).surfaces;
    const QMatrix4x4 place = SolidOrientation(solid) * SolidScale(solid);
    const QMatrix3x3 turnNormal = place.normalMatrix();
    const Material& material = solid.m_bOwnMaterial ? solid.m_material : settings.m_material;
    ModelPart part{NameOf(solid, "solid"), ToRgb(material.diffuse)};
    for (const Surface& surface : surfaces) {
        const auto first = static_cast<uint32_t>(part.positions.size());
        for (const MeshVertex& v : surface.vertices) {
            const QVector3D p = place.map(QVector3D(v.position.x, v.position.y, v.position.z));
            QVector3D n;
            for (int r = 0; r < 3; ++r) {
                n[r] = turnNormal(r, 0) * v.normal.x + turnNormal(r, 1) * v.normal.y +
                       turnNormal(r, 2) * v.normal.z;
            }
            n.normalize();
            part.positions.push_back({p.x(), p.y(), p.z()});
            part.normals.push_back({n.x(), n.y(), n.z()});
        }
        for (const uint32_t index : surface.triangles) {
            part.triangles.push_back(first + index);
        }
    }
    if (!part.triangles.empty()) {
        model.parts.push_back(std::move(part));
    }
}

// A closed prism round the segment from a to b, its ends capped, sharing its corners so that it
// has no open edge.
void AddTube(ModelPart& part, const Vec3& a, const Vec3& b, double radius) {
    const Vec3 axis = b - a;
    if (Length(axis) == 0.0f) {
        return;
    }
    const Vec3 d = axis / Length(axis);
    const Vec3 helper = std::abs(d.z) < 0.9f ? Vec3{0.0f, 0.0f, 1.0f} : Vec3{1.0f, 0.0f, 0.0f};
    const Vec3 u = Cross(d, helper) / Length(Cross(d, helper));
    const Vec3 w = Cross(d, u);
    std::vector<Vec3> ringA, ringB;
    for (int i = 0; i < kTubeSides; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / kTubeSides;
        const Vec3 off = static_cast<float>(radius * std::cos(angle)) * u +
                         static_cast<float>(radius * std::sin(angle)) * w;
        ringA.push_back(a + off);
        ringB.push_back(b + off);
    }
    for (int i = 0; i < kTubeSides; ++i) {
        const int j = (i + 1) % kTubeSides;
        AddFlatTriangle(part, ringA[i], ringA[j], ringB[j]);
        AddFlatTriangle(part, ringA[i], ringB[j], ringB[i]);
        if (i > 0 && j > 0) {
            AddFlatTriangle(part, ringA[0], ringA[j], ringA[i]);
            AddFlatTriangle(part, ringB[0], ringB[i], ringB[j]);
        }
    }
}

void AddTubes(PageModel& model, const CGpage& page, const CGlModel& settings, double radius) {
    for (const auto& [key, line] : page.m_lines) {
        if (line->m_bHidden || line->m_nStart >= page.m_nVertexCount ||
            line->m_nEnd >= page.m_nVertexCount) {
            continue;
        }
        const uint8_t ends[] = {line->m_nStart, line->m_nEnd};
        ModelPart part{NameOf(*line, LabelsOf(page, ends)), settings.m_lineColor};
        AddTube(part, At(page.m_pos[line->m_nStart]), At(page.m_pos[line->m_nEnd]), radius);
        if (!part.triangles.empty()) {
            model.parts.push_back(std::move(part));
        }
    }
}

void AddBalls(PageModel& model, const CGpage& page, double radius) {
    for (int v = 0; v < page.m_nVertexCount; ++v) {
        if (!page.m_bShown[v]) {
            continue;
        }
        const Float3& c = page.m_color[v];
        const Surface ball = GlutSphere(At(page.m_pos[v]), radius, kBallSlices, kBallStacks);
        ModelPart part{page.m_label[v], ToRgb({c[0], c[1], c[2], 1.0f})};
        for (const MeshVertex& vertex : ball.vertices) {
            part.positions.push_back(vertex.position);
            part.normals.push_back(vertex.normal);
        }
        part.triangles = ball.triangles;
        model.parts.push_back(std::move(part));
    }
}

void ScaleTo(PageModel& model, float millimetresPerUnit) {
    for (ModelPart& part : model.parts) {
        for (Vec3& p : part.positions) {
            p = millimetresPerUnit * p;
        }
    }
}

}  // namespace

double MillimetresPer(ModelUnit unit) {
    switch (unit) {
        case ModelUnit::kMillimetre:
            return 1.0;
        case ModelUnit::kCentimetre:
            return 10.0;
        case ModelUnit::kMetre:
            return 1000.0;
        case ModelUnit::kInch:
            return 25.4;
    }
    return 1.0;
}

std::optional<ModelUnit> ModelUnitNamed(std::string_view name) {
    static const std::map<std::string_view, ModelUnit> kNames{{"mm", ModelUnit::kMillimetre},
                                                              {"cm", ModelUnit::kCentimetre},
                                                              {"m", ModelUnit::kMetre},
                                                              {"in", ModelUnit::kInch}};
    const auto found = kNames.find(name);
    return found == kNames.end() ? std::nullopt : std::optional(found->second);
}

PageModel BuildPageModel(const CGpage& page, const CGlModel& settings,
                         const ModelOptions& options) {
    PageModel model;
    model.facesClosed = AddFaces(model, page);
    for (const auto& [key, solid] : page.m_solids) {
        if (!solid->m_bHidden) {
            AddSolid(model, *solid, settings);
        }
    }
    if (options.tubeRadius > 0.0) {
        AddTubes(model, page, settings, options.tubeRadius);
    }
    if (options.ballRadius > 0.0) {
        AddBalls(model, page, options.ballRadius);
    }
    ScaleTo(model, static_cast<float>(MillimetresPer(options.unit) * options.scale));
    return model;
}

}  // namespace velnor
