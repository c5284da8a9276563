#pragma once

class QIODevice;

namespace velnor {

struct PageModel;

// The model as binary STL in millimetres, every part's triangles with their facet normals.
bool WriteStl(QIODevice& device, const PageModel& model);

}  // namespace velnor
