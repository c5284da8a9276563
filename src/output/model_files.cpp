#include "output/model_files.h"

#include <QFileInfo>

#include "output/page_model.h"
#include "output/save_through.h"
#include "output/stl_writer.h"

namespace velnor {

namespace {

QString SuffixOf(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

}  // namespace

bool IsModelPath(const QString& path) {
    return SuffixOf(path) == QStringLiteral("stl");
}

ModelExport WriteModelFile(const QString& path, const CGpage& page, const CGlModel& settings,
                           const ModelOptions& options) {
    const PageModel model = BuildPageModel(page, settings, options);
    if (model.parts.empty()) {
        return {QStringLiteral("这一页没有可以导出的面或立体（可以把线画成管、把点画成球）。"), {}};
    }
    ModelExport result;
    result.error = SaveThrough(path, [&](QIODevice& device) { return WriteStl(device, model); });
    if (result.error.isEmpty() && !model.facesClosed) {
        result.note =
            QStringLiteral("这一页的面没有围成封闭的立体，已按双面写出；3D 打印需要封闭的立体。");
    }
    return result;
}

}  // namespace velnor
