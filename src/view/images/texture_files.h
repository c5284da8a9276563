#pragma once

#include <QString>

namespace velnor {

// The file of start-up texture `number` (1..3, "Img1.jpg" for texture 0), or an empty string when
// neither an installed nor a freshly built copy exists.
QString TextureFile(int number);

}  // namespace velnor
