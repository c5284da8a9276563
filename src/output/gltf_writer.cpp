#include "output/gltf_writer.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "output/page_model.h"

namespace velnor {

namespace {

// glTF measures in metres; the model is in millimetres.
constexpr float kMetresPerMillimetre = 0.001f;

constexpr quint32 kGlbMagic = 0x46546C67;  // "glTF"
constexpr quint32 kGlbVersion = 2;
constexpr quint32 kJsonChunk = 0x4E4F534A;  // "JSON"
constexpr quint32 kBinChunk = 0x004E4942;   // "BIN"
constexpr int kFloat = 5126;
constexpr int kUnsignedInt = 5125;
constexpr int kTriangles = 4;
constexpr int kVertexData = 34962;
constexpr int kIndexData = 34963;
// A matt surface: the cells' colours should look in a viewer as they do in the program.
constexpr double kRoughness = 0.8;

// glTF takes colours in linear light; the cells' colours are sRGB.
double Linear(uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The binary chunk and the JSON that describes its pieces.
class GlbBuilder {
public:
    int Material(const Rgb& colour) {
        const uint32_t key = ToColorRef(colour);
        const auto found = m_materialOf.find(key);
        if (found != m_materialOf.end()) {
            return found->second;
        }
        const QJsonObject pbr{{"baseColorFactor", QJsonArray{Linear(colour.r), Linear(colour.g),
                                                             Linear(colour.b), 1.0}},
                              {"metallicFactor", 0.0},
                              {"roughnessFactor", kRoughness}};
        m_materials.append(
            QJsonObject{{"name", QStringLiteral("#%1").arg(key, 6, 16, QLatin1Char('0'))},
                        {"pbrMetallicRoughness", pbr}});
        return m_materialOf[key] = static_cast<int>(m_materials.size() - 1);
    }

    // A vector accessor; positions carry their bounds, as glTF requires.
    int Vectors(const std::vector<Vec3>& vectors, float factor, bool bounded) {
        std::vector<float> values;
        for (const Vec3& v : vectors) {
            values.insert(values.end(), {factor * v.x, factor * v.y, factor * v.z});
        }
        QJsonObject accessor{{"bufferView", View(values.data(), values.size() * 4, kVertexData)},
                             {"componentType", kFloat},
                             {"count", static_cast<qint64>(vectors.size())},
                             {"type", "VEC3"}};
        if (bounded) {
            QJsonArray low, high;
            for (size_t axis = 0; axis < 3; ++axis) {
                float lowest = values[axis], highest = values[axis];
                for (size_t i = axis; i < values.size(); i += 3) {
                    lowest = std::min(lowest, values[i]);
                    highest = std::max(highest, values[i]);
                }
                low.append(lowest);
                high.append(highest);
            }
            accessor["min"] = low;
            accessor["max"] = high;
        }
        m_accessors.append(accessor);
        return static_cast<int>(m_accessors.size() - 1);
    }

    int Indices(const std::vector<uint32_t>& indices) {
        m_accessors.append(
            QJsonObject{{"bufferView", View(indices.data(), indices.size() * 4, kIndexData)},
                        {"componentType", kUnsignedInt},
                        {"count", static_cast<qint64>(indices.size())},
                        {"type", "SCALAR"}});
        return static_cast<int>(m_accessors.size() - 1);
    }

    void AddPart(const ModelPart& part) {
        const QJsonObject primitive{
            {"attributes",
             QJsonObject{{"POSITION", Vectors(part.positions, kMetresPerMillimetre, true)},
                         {"NORMAL", Vectors(part.normals, 1.0f, false)}}},
            {"indices", Indices(part.triangles)},
            {"material", Material(part.colour)},
            {"mode", kTriangles}};
        const QString name = QString::fromStdString(part.name);
        m_meshes.append(QJsonObject{{"name", name}, {"primitives", QJsonArray{primitive}}});
        m_nodes.append(QJsonObject{{"name", name}, {"mesh", m_meshes.size() - 1}});
    }

    QByteArray Json() const {
        QJsonArray sceneNodes;
        for (qsizetype i = 0; i < m_nodes.size(); ++i) {
            sceneNodes.append(i);
        }
        const QJsonObject root{
            {"asset", QJsonObject{{"version", "2.0"}, {"generator", "Velnor"}}},
            {"scene", 0},
            {"scenes", QJsonArray{QJsonObject{{"nodes", sceneNodes}}}},
            {"nodes", m_nodes},
            {"meshes", m_meshes},
            {"materials", m_materials},
            {"accessors", m_accessors},
            {"bufferViews", m_views},
            {"buffers", QJsonArray{QJsonObject{{"byteLength", m_binary.size()}}}}};
        return QJsonDocument(root).toJson(QJsonDocument::Compact);
    }

    const QByteArray& Binary() const { return m_binary; }

private:
    int View(const void* data, size_t bytes, int target) {
        m_views.append(QJsonObject{{"buffer", 0},
                                   {"byteOffset", m_binary.size()},
                                   {"byteLength", static_cast<qint64>(bytes)},
                                   {"target", target}});
        // Floats and 32-bit indices are little-endian on every machine we build for.
        m_binary.append(static_cast<const char*>(data), static_cast<qsizetype>(bytes));
        return static_cast<int>(m_views.size() - 1);
    }

    QByteArray m_binary;
    QJsonArray m_nodes, m_meshes, m_materials, m_accessors, m_views;
    std::map<uint32_t, int> m_materialOf;
};

// Chunks are padded to four bytes: JSON with blanks, binary with zeros.
QByteArray Padded(QByteArray bytes, char pad) {
    bytes.append((4 - bytes.size() % 4) % 4, pad);
    return bytes;
}

void AppendWord(QByteArray& out, quint32 word) {
    char bytes[4];
    qToLittleEndian(word, bytes);
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, quint32 type, const QByteArray& data) {
    AppendWord(out, static_cast<quint32>(data.size()));
    AppendWord(out, type);
    out.append(data);
}

}  // namespace

bool WriteGlb(QIODevice& device, const PageModel& model) {
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    GlbBuilder builder;
    for (const ModelPart& part : model.parts) {
        builder.AddPart(part);
    }
    const QByteArray json = Padded(builder.Json(), ' ');
    const QByteArray binary = Padded(builder.Binary(), '\0');
    QByteArray body;
    AppendChunk(body, kJsonChunk, json);
    AppendChunk(body, kBinChunk, binary);
    QByteArray file;
    AppendWord(file, kGlbMagic);
    AppendWord(file, kGlbVersion);
    AppendWord(file, static_cast<quint32>(12 + body.size()));
    file.append(body);
    return device.write(file) == file.size();
}

}  // namespace velnor
