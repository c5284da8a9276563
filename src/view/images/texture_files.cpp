#include "view/images/texture_files.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velnor {

QString TextureFile(int number) {
    const QString name = QStringLiteral("Img%1.jpg").arg(number);
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programFolder, programFolder + "/../share/velnor",
                                  QStringLiteral(VELNOR_BUILD_TEXTURES)}) {
        const QString path = folder + "/" + name;
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

}  // namespace velnor
