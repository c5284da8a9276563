#include "output/model_files.h"

#include <QDir>
#include <QFileInfo>

#include "output/gltf_writer.h"
#include "output/obj_writer.h"
#include "output/page_model.h"
#include "output/save_through.h"
#include "output/stl_writer.h"

namespace velnor {

namespace {

QString SuffixOf(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

// The OBJ's colours go into a library of the same name beside it, written first so that the
// model never names a library that is not there.
QString WriteObjWithColours(const QString& path, const PageModel& model) {
    const QFileInfo info(path);
    const QString library = info.completeBaseName() + QStringLiteral(".mtl");
    const QString error = SaveThrough(info.dir().filePath(library),
                                      [&](QIODevice& device) { return WriteMtl(device, model); });
    if (!error.isEmpty()) {
        return error;
    }
    return SaveThrough(path, [&](QIODevice& device) { return WriteObj(device, model, library); });
}

QString WriteModel(const QString& path, const PageModel& model) {
    if (SuffixOf(path) == QStringLiteral("obj")) {
        return WriteObjWithColours(path, model);
    }
    if (SuffixOf(path) == QStringLiteral("glb")) {
        return SaveThrough(path, [&](QIODevice& device) { return WriteGlb(device, model); });
    }
    return SaveThrough(path, [&](QIODevice& device) { return WriteStl(device, model); });
}

}  // namespace

bool IsModelPath(const QString& path) {
    const QString suffix = SuffixOf(path);
    return suffix == QStringLiteral("stl") || suffix == QStringLiteral("obj") ||
           suffix == QStringLiteral("glb");
}

ModelExport WriteModelFile(const QString& path, const CGpage& page, const CGlModel& settings,
                           const ModelOptions& options) {
    const PageModel model = BuildPageModel(page, settings, options);
    if (model.parts.empty()) {
        return {QStringLiteral("这一页没有可以导出为模型的面或立体。"), {}};
    }
    ModelExport result;
    result.error = WriteModel(path, model);
    if (result.error.isEmpty() && !model.facesClosed) {
        result.note =
            QStringLiteral("这一页的面没有围成封闭的立体，已按双面写出；3D 打印需要封闭的立体。");
    }
    return result;
}

}  // namespace velnor
