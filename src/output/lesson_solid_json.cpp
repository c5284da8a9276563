#include "output/lesson_solid_json.h"

#include <QBuffer>
#include <QImage>
#include <QJsonObject>

#include <map>
#include <optional>
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

QJsonArray LinesJson(const std::vector<MeshLine>& lines) {
    QJsonArray all;
    for (const MeshLine& line : lines) {
        QJsonArray points;
        for (const Vec3& p : line) {
            for (const float x : {p.x, p.y, p.z}) {
                points.append(LessonNumber(x, kMeshDecimals));
            }
        }
        all.append(points);
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
    QJsonArray surfaces;
    for (const Surface& surface : shape.surfaces) {
        QJsonObject mesh = MeshJson(surface);
        AddPaint(mesh, surface);
        surfaces.append(mesh);
    }
    json[QStringLiteral("surfaces")] = surfaces;
    json[QStringLiteral("lines")] = LinesJson(shape.lines);
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

std::optional<QJsonObject> SolidJson(const CSubassembly& solid, const CGlModel& settings,
                                     ShapeTable& shapes) {
    const std::optional<ShapeKind> kind = ShapeKindOf(solid.m_nKind);
    if (!kind || *kind == ShapeKind::kPageComponent) {
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

LessonSolids LessonSolidsJson(const CGpage& page, const CGlModel& settings) {
    ShapeTable shapes(settings);
    QJsonArray solids;
    for (const auto& [key, solid] : page.m_solids) {
        if (std::optional<QJsonObject> json = SolidJson(*solid, settings, shapes)) {
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
