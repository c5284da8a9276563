#pragma once

class QIODevice;

namespace velnor {

struct PageModel;

// The model as binary glTF 2.0 in metres: one node and mesh for each part, named as the part,
// in a material of the part's colour.
bool WriteGlb(QIODevice& device, const PageModel& model);

}  // namespace velnor
