#pragma once

#include <QString>

class QIODevice;

namespace velnor {

struct PageModel;

// The model as Wavefront OBJ in millimetres: one object for each part, named as the part, with
// its normals, in a material of the part's colour from the library `materialFile` beside it.
bool WriteObj(QIODevice& device, const PageModel& model, const QString& materialFile);
// That library: one diffuse material for each colour of the model's parts.
bool WriteMtl(QIODevice& device, const PageModel& model);

}  // namespace velnor
