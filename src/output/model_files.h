#pragma once

#include <QString>

namespace velnor {

class CGlModel;
class CGpage;
struct ModelOptions;

// What became of an export: why nothing was written (empty when the file was), and what the
// teacher should know about a file that was.
struct ModelExport {
    QString error;
    QString note;
};

// Whether the path names a model file: .stl, .obj or .glb (either case). An OBJ comes with its
// colours in an MTL file of the same name.
bool IsModelPath(const QString& path);

// The page as a 3D model of the kind the extension names. A page with nothing that has a
// surface is refused and no file is made; the old file stays untouched until the new one is
// complete.
ModelExport WriteModelFile(const QString& path, const CGpage& page, const CGlModel& settings,
                           const ModelOptions& options);

}  // namespace velnor
