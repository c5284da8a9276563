#include "shapes/shape_kind.h"

namespace velnor {

std::optional<ShapeKind> ShapeKindOf(uint8_t storedKind) {
    if (storedKind >= kShapeKindCount) {
        return std::nullopt;
    }
    return static_cast<ShapeKind>(storedKind);
}

}  // namespace velnor
