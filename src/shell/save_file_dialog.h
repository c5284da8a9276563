#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace velnor {

// One file type of a save dialog: what the list shows and the extension it stands for.
struct SaveFileType {
    QString filter;     // "PNG image (*.png)"
    QString extension;  // "png"
};

struct SaveChoice {
    QString path;  // empty when the user cancelled
    int type = 0;  // index of the chosen file type
};

// A save dialog over `types` starting at the first, proposing `defaultName` and asking before
// overwriting. A name typed without an extension gets the chosen type's one.
SaveChoice AskSaveFile(QWidget* parent, const QString& title, const QList<SaveFileType>& types,
                       const QString& defaultName);

}  // namespace velnor
