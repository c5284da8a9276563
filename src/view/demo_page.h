#pragma once

#include <memory>

namespace velnor {

class CGpage;

// The page shown when the program starts without a file: a labelled cube ABCD-EFGH with its six
// faces and a diagonal vector, beside a sphere surface, a cone side and a cylinder side.
std::unique_ptr<CGpage> MakeDemoPage();

}  // namespace velnor
