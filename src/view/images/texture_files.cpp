#include "view/images/texture_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velnor {

namespace {

// A program of the build tree finds the textures the build draws into its top folder, the one
// that holds CMakeCache.txt. An installed program has no such folder above it, and carries no
// path of the tree it was built in.
QString BuildTreeTextures(const QString& programFolder) {
    QDir folder(programFolder);
    do {
        if (folder.exists(QStringLiteral("CMakeCache.txt"))) {
            return folder.filePath(QStringLiteral("textures"));
        }
    } while (folder.cdUp());
    return {};
}

}  // namespace

QString TextureFile(int number) {
    const QString name = QStringLiteral("Img%1.jpg").arg(number);
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {programFolder, programFolder + "/../share/velnor", BuildTreeTextures(programFolder)}) {
        const QString path = folder + "/" + name;
        if (!folder.isEmpty() && QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

}  // namespace velnor
