#include "output/obj_writer.h"

#include <QIODevice>
#include <QTextStream>

#include <set>

#include "output/page_model.h"

namespace velnor {

namespace {

// Seven digits keep a float's millimetres as the model holds them.
constexpr int kDigits = 7;

QString MaterialName(const Rgb& c) {
    return QStringLiteral("colour_%1%2%3")
        .arg(c.r, 2, 16, QLatin1Char('0'))
        .arg(c.g, 2, 16, QLatin1Char('0'))
        .arg(c.b, 2, 16, QLatin1Char('0'));
}

// An object's name runs to the end of its line; blanks inside would split it for some readers.
QString ObjectName(const ModelPart& part, size_t number) {
    QString name = QString::fromStdString(part.name).simplified().replace(' ', '_');
    return name.isEmpty() ? QStringLiteral("part%1").arg(number + 1) : name;
}

void WriteVector(QTextStream& out, const char* tag, const Vec3& v) {
    out << tag << ' ' << v.x << ' ' << v.y << ' ' << v.z << '\n';
}

}  // namespace

bool WriteObj(QIODevice& device, const PageModel& model, const QString& materialFile) {
    QTextStream out(&device);
    out.setRealNumberPrecision(kDigits);
    out << "# Velnor model, millimetres\n";
    out << "mtllib " << materialFile << '\n';
    size_t first = 1;  // OBJ counts vertices from 1 across the whole file
    for (size_t n = 0; n < model.parts.size(); ++n) {
        const ModelPart& part = model.parts[n];
        out << "o " << ObjectName(part, n) << '\n';
        out << "usemtl " << MaterialName(part.colour) << '\n';
        for (const Vec3& p : part.positions) {
            WriteVector(out, "v", p);
        }
        for (const Vec3& normal : part.normals) {
            WriteVector(out, "vn", normal);
        }
        for (size_t i = 0; i + 2 < part.triangles.size(); i += 3) {
            out << 'f';
            for (int k = 0; k < 3; ++k) {
                const size_t index = first + part.triangles[i + k];
                out << ' ' << index << "//" << index;
            }
            out << '\n';
        }
        first += part.positions.size();
    }
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool WriteMtl(QIODevice& device, const PageModel& model) {
    std::set<uint32_t> written;
    QTextStream out(&device);
    out << "# Velnor model colours\n";
    for (const ModelPart& part : model.parts) {
        if (!written.insert(ToColorRef(part.colour)).second) {
            continue;
        }
        const auto [r, g, b] = ToFloats(part.colour);
        out << "newmtl " << MaterialName(part.colour) << '\n';
        out << "Kd " << r << ' ' << g << ' ' << b << '\n';
        out << "Ka 0 0 0\nillum 1\n";
    }
    out.flush();
    return out.status() == QTextStream::Ok;
}

}  // namespace velnor
