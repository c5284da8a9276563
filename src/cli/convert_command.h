#pragma once

namespace velnor::cli {

// velnor-cli convert IN OUT: loads a document and saves it again.
int RunConvert(int argc, char** argv);

}  // namespace velnor::cli
