#pragma once

#include <optional>

#include "output/page_model.h"

class QWidget;

namespace velnor {

// 模型选项, before a page is saved as STL, OBJ or glTF: lines as tubes and points as balls of a
// radius (0 leaves them out), the unit one unit of the page becomes, and a scale. Starts from
// `current`; nothing when the user cancels.
std::optional<ModelOptions> AskModelOptions(const ModelOptions& current, QWidget* parent);

}  // namespace velnor
