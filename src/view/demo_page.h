#pragma once

#include <memory>

namespace velnor {

class CGpage;

// The cube with corners (-4, -4, -4) and (4, 4, 4): vertices A..H (ABCD at z = -4, EFGH above),
// its twelve edges and six faces.
std::unique_ptr<CGpage> MakeCubePage();

// The page shown when the program starts without a file: a labelled cube ABCD-EFGH with its six
// faces and a diagonal vector, beside a sphere surface, a cone side and a cylinder side.
std::unique_ptr<CGpage> MakeDemoPage();

}  // namespace velnor
