#include "output/stl_writer.h"

#include <QDataStream>
#include <QIODevice>

#include "output/page_model.h"

namespace velnor {

namespace {

constexpr int kHeaderBytes = 80;

void WriteVector(QDataStream& out, const Vec3& v) {
    out << v.x << v.y << v.z;
}

}  // namespace

bool WriteStl(QIODevice& device, const PageModel& model) {
    QDataStream out(&device);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    // The header must not begin with "solid", which readers take for text STL, and some readers
    // take a header of only ASCII for text too: a few Chinese words settle both.
    QByteArray header = QStringLiteral("Velnor 立体几何模型, millimetres").toUtf8();
    header.resize(kHeaderBytes, ' ');
    out.writeRawData(header.constData(), kHeaderBytes);
    quint32 count = 0;
    for (const ModelPart& part : model.parts) {
        count += static_cast<quint32>(part.triangles.size() / 3);
    }
    out << count;
    for (const ModelPart& part : model.parts) {
        for (size_t i = 0; i + 2 < part.triangles.size(); i += 3) {
            const Vec3& a = part.positions[part.triangles[i]];
            const Vec3& b = part.positions[part.triangles[i + 1]];
            const Vec3& c = part.positions[part.triangles[i + 2]];
            const Vec3 n = Cross(b - a, c - a);
            const float length = Length(n);
            WriteVector(out, length > 0.0f ? n / length : Vec3{});
            WriteVector(out, a);
            WriteVector(out, b);
            WriteVector(out, c);
            out << quint16{0};
        }
    }
    return out.status() == QDataStream::Ok;
}

}  // namespace velnor
