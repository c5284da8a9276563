#pragma once

namespace velnor::cli {

// velnor-cli dump FILE: prints the document as JSON.
int RunDump(int argc, char** argv);

}  // namespace velnor::cli
