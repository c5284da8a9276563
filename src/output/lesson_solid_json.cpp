#include "output/lesson_solid_json.h"

#include <QBuffer>
#include <QImage>
#include <QJsonObject>
#include <QtMath>

#include <map>
#include <optional>
#include <span>
#include <utility>

#include "model/bit_text.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "output/lesson_json.h"
#include "output/solid_geometry.h"
#include "shapes/molecule.h"
#include "shapes/solid_shape.h"
#include "view/title_glyphs.h"

namespace velnor {

namespace {

// Meshes are most of a lesson's size. Their unit frames are a few units across, so a
// ten-thousandth is still far below a pixel; a thousandth of a unit normal shades the same.
constexpr int kMeshDecimals = 4;
constexpr int kNormalDecimals = 3;

QJsonArray Rgba3(const std::array<float, 4>& c) {
    return LessonNumbers({c[0], c[1], c[2]});
}

// The diffuse alpha is how much of the solid shows where the page's preset blends solids.
QJsonObject MaterialJson(const std::array<float, 4>& ambient, const std::array<float, 4>& diffuse) {
    return {{QStringLiteral("ambient"), Rgba3(ambient)},
            {QStringLiteral("diffuse"), Rgba3(diffuse)},
            {QStringLiteral("alpha"), LessonNumber(diffuse[3])}};
}

// Positions, normals and triangles, as flat arrays of numbers.
QJsonObject MeshJson(const Surface& surface) {
    QJsonArray positions, normals, triangles;
    for (const MeshVertex& v : surface.vertices) {
        for (const float x : {v.position.x, v.position.y, v.position.z}) {
            positions.append(LessonNumber(x, kMeshDecimals));
        }
        for (const float x : {v.normal.x, v.normal.y, v.normal.z}) {
            normals.append(LessonNumber(x, kNormalDecimals));
        }
    }
    for (const uint32_t index : surface.triangles) {
        triangles.append(static_cast<qint64>(index));
    }
    return {{QStringLiteral("positions"), positions},
            {QStringLiteral("normals"), normals},
            {QStringLiteral("triangles"), triangles}};
}

// A surface's colour when it is not the solid's own: the cube's coloured sides, the molecule's
// sticks and atoms.
void AddPaint(QJsonObject& mesh, const Surface& surface) {
    switch (surface.paint) {
        case SurfacePaint::kSolid:
            break;
        case SurfacePaint::kOwnColour:
            mesh[QStringLiteral("colour")] = LessonColour(surface.ownColour);
            break;
        case SurfacePaint::kStickMaterial:
            mesh[QStringLiteral("material")] =
                MaterialJson(kStickMaterial.ambient, kStickMaterial.diffuse);
            break;
        case SurfacePaint::kAtomMaterial:
            mesh[QStringLiteral("material")] =
                MaterialJson(kAtomMaterial.ambient, kAtomMaterial.diffuse);
            break;
    }
}

QMatrix4x4 CopyMatrix(const MeshCopy& copy) {
    QMatrix4x4 m;
    m.translate(copy.at.x, copy.at.y, copy.at.z);
    if (copy.angle != 0.0) {
        m.rotate(static_cast<float>(qRadiansToDegrees(copy.angle)), copy.axis.x, copy.axis.y,
                 copy.axis.z);
    }
    m.scale(copy.scale.x, copy.scale.y, copy.scale.z);
    return m;
}

// The molecule's sticks and atoms are many copies of two small meshes: each mesh goes once, with
// the matrices of its copies, which keeps a molecule's lesson a few hundred kilobytes smaller.
QJsonArray MoleculeSurfacesJson() {
    QJsonArray surfaces;
    for (const MoleculePart& part : MoleculeParts()) {
        QJsonObject mesh = MeshJson(part.unit);
        AddPaint(mesh, part.unit);
        QJsonArray copies;
        for (const MeshCopy& copy : part.copies) {
            copies.append(LessonMatrix(CopyMatrix(copy)));
        }
        mesh[QStringLiteral("copies")] = copies;
        surfaces.append(mesh);
    }
    return surfaces;
}

QJsonArray SurfacesJson(const SolidShape& shape) {
    QJsonArray surfaces;
    for (const Surface& surface : shape.surfaces) {
        QJsonObject mesh = MeshJson(surface);
        AddPaint(mesh, surface);
        surfaces.append(mesh);
    }
    return surfaces;
}

QJsonArray LinesJson(const std::vector<MeshLine>& lines, int decimals = kMeshDecimals) {
    QJsonArray all;
    for (const MeshLine& line : lines) {
        QJsonArray points;
        for (const Vec3& p : line) {
            for (const float x : {p.x, p.y, p.z}) {
                points.append(LessonNumber(x, decimals));
            }
        }
        all.append(points);
    }
    return all;
}

// The flat fronts and backs of the title's letters: each face's contours and its normal; the
// browser fills them by the non-zero rule as the program's tessellator does.
QJsonArray FlatFacesJson(const std::vector<FlatFace>& faces) {
    QJsonArray all;
    for (const FlatFace& face : faces) {
        all.append(QJsonObject{{QStringLiteral("normal"),
                                LessonNumbers({face.normal.x, face.normal.y, face.normal.z})},
                               {QStringLiteral("contours"), LinesJson(face.contours)}});
    }
    return all;
}

// What every solid of one kind and shape value shares: its surfaces and lines, or for the solids
// drawn by their outline the body the browser finds the outline on as the figure turns (slightly
// shrunk, so that the outline stays in front of it).
QJsonObject ShapeJson(const ShapeValues& values) {
    QJsonObject json;
    if (HasSilhouette(values.kind)) {
        QJsonArray body;
        for (const Surface& surface : HidingBodyOf(values)) {
            body.append(MeshJson(surface));
        }
        json[QStringLiteral("body")] = body;
        json[QStringLiteral("bodyScale")] = static_cast<double>(kHidingScale);
        return json;
    }
    const SolidShape shape = ShapeOf(values);
    json[QStringLiteral("surfaces")] =
        values.kind == ShapeKind::kC60 ? MoleculeSurfacesJson() : SurfacesJson(shape);
    if (!shape.flatFaces.empty()) {
        json[QStringLiteral("flatFaces")] = FlatFacesJson(shape.flatFaces);
    }
    json[QStringLiteral("lines")] = LinesJson(shape.lines);
    if (!shape.lineNormals.empty()) {
        json[QStringLiteral("lineNormals")] = LinesJson(shape.lineNormals, kNormalDecimals);
    }
    json[QStringLiteral("dashed")] = shape.linesDashedWhereHidden;
    return json;
}

// The shapes of a page, each written once however many solids show it.
class ShapeTable {
public:
    explicit ShapeTable(const CGlModel& settings) : m_title(settings) {}

    int IndexOf(ShapeKind kind, double shapeValue) {
        const auto key = std::make_pair(kind, DrawnShapeValue(kind, shapeValue));
        const auto found = m_indices.find(key);
        if (found != m_indices.end()) {
            return found->second;
        }
        m_shapes.append(ShapeJson({kind, key.second, &m_title}));
        return m_indices[key] = static_cast<int>(m_shapes.size() - 1);
    }

    const QJsonArray& Shapes() const { return m_shapes; }

private:
    QtTitleOutlines m_title;
    std::map<std::pair<ShapeKind, double>, int> m_indices;
    QJsonArray m_shapes;
};

// Kinds past the page component's, but the bitmap text, show a page component as it does.
bool ShowsPageComponent(const CSubassembly& solid) {
    return solid.m_nKind >= kSolidPageComponent && solid.m_nKind != kSolidBitmapText;
}

// The index of the page a page component shows: the last one compiled under its number, as in
// the view; none when no page was.
std::optional<int> ShownPageIndex(std::span<const CGpage* const> pages, int number) {
    std::optional<int> found;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i]->m_nComponentList == number) {
            found = static_cast<int>(i);
        }
    }
    return found;
}

// A page component carries the page it shows instead of a shape; the browser draws that page
// in the component's frame.
std::optional<QJsonObject> PageComponentJson(const CSubassembly& solid,
                                             std::span<const CGpage* const> pages) {
    const std::optional<int> shown =
        solid.m_nComponent == 0 ? std::nullopt : ShownPageIndex(pages, solid.m_nComponent);
    if (!shown) {
        return std::nullopt;
    }
    return QJsonObject{
        {QStringLiteral("hidden"), solid.m_bHidden != 0},
        {QStringLiteral("place"), LessonMatrix(SolidOrientation(solid) * SolidScale(solid))},
        {QStringLiteral("shows"), *shown},
    };
}

std::optional<QJsonObject> SolidJson(const CSubassembly& solid, const CGlModel& settings,
                                     std::span<const CGpage* const> pages, ShapeTable& shapes) {
    if (ShowsPageComponent(solid)) {
        return PageComponentJson(solid, pages);
    }
    const std::optional<ShapeKind> kind = ShapeKindOf(solid.m_nKind);
    if (!kind) {
        return std::nullopt;
    }
    const Material& material = solid.m_bOwnMaterial ? solid.m_material : settings.m_material;
    return QJsonObject{
        {QStringLiteral("hidden"), solid.m_bHidden != 0},
        {QStringLiteral("place"), LessonMatrix(SolidOrientation(solid) * SolidScale(solid))},
        {QStringLiteral("material"), MaterialJson(material.ambient, material.diffuse)},
        {QStringLiteral("shape"), shapes.IndexOf(*kind, solid.m_dShape)},
    };
}

// glBitmap's rows run from the bottom up, their bits from the high one.
QImage BitTextImage(const CBitText& text) {
    QImage image(text.m_nWidth, text.m_nHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb ink = qRgb(text.m_color.r, text.m_color.g, text.m_color.b);
    const int32_t rowBytes = CBitText::BytesPerRow(text.m_nWidth);
    for (int32_t row = 0; row < text.m_nHeight; ++row) {
        for (int32_t x = 0; x < text.m_nWidth; ++x) {
            const uint8_t byte = text.m_bits[static_cast<size_t>(row * rowBytes + x / 8)];
            if (byte & (0x80 >> (x % 8))) {
                image.setPixel(x, text.m_nHeight - 1 - row, ink);
            }
        }
    }
    return image;
}

QString DataUrlOf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

}  // namespace

LessonSolids LessonSolidsJson(const CGpage& page, const CGlModel& settings,
                              std::span<const CGpage* const> pages) {
    ShapeTable shapes(settings);
    QJsonArray solids;
    for (const auto& [key, solid] : page.m_solids) {
        if (std::optional<QJsonObject> json = SolidJson(*solid, settings, pages, shapes)) {
            (*json)[QStringLiteral("key")] = key;
            solids.append(*json);
        }
    }
    return {solids, shapes.Shapes()};
}

QJsonArray LessonBitTextsJson(const CGpage& page) {
    QJsonArray texts;
    for (const auto& [key, solid] : page.m_solids) {
        const auto* text = dynamic_cast<const CBitText*>(solid.get());
        const size_t needed = text ? static_cast<size_t>(CBitText::BytesPerRow(text->m_nWidth)) *
                                         static_cast<size_t>(text->m_nHeight)
                                   : 0;
        if (!text || text->m_bits.empty() || text->m_bits.size() < needed) {
            continue;
        }
        // Bitmap texts do not turn with the scene: their z is the height on the screen and
        // their y the depth.
        const auto& p = text->m_position;
        texts.append(QJsonObject{{QStringLiteral("key"), key},
                                 {QStringLiteral("hidden"), text->m_bHidden != 0},
                                 {QStringLiteral("at"), LessonNumbers({p[0], p[2], p[1]})},
                                 {QStringLiteral("image"), DataUrlOf(BitTextImage(*text))}});
    }
    return texts;
}

}  // namespace velnor
