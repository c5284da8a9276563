#pragma once

namespace velnor::cli {

// velnor-cli render: draws one page into a PNG file without a visible window.
int RunRender(int argc, char** argv);

}  // namespace velnor::cli
