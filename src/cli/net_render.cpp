#include "cli/net_render.h"

#include <QFileInfo>

#include <variant>

#include "editing/chosen_net.h"
#include "geometry/page_geometry.h"
#include "output/net_files.h"
#include "output/paper_net.h"

namespace velnor::cli {

QString WriteNetOfFace(const QString& path, const CGpage& page, int faceKey,
                       const NetPaperOptions& options) {
    if (!FindFace(page, faceKey)) {
        return QStringLiteral("the page has no face %1").arg(faceKey);
    }
    const auto found = NetOfSolidWithFace(page, faceKey);
    if (const std::string* problem = std::get_if<std::string>(&found)) {
        return QString::fromStdString(*problem);
    }
    const PaperNet net = PaperNetOf(std::get<ChosenNet>(found), options.scale);
    if (QFileInfo(path).suffix().toLower() == QStringLiteral("svg")) {
        return WriteNetSvg(path, net, options.paper);
    }
    return WriteNetPdf(path, net, options.paper);
}

}  // namespace velnor::cli
