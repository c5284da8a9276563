#pragma once

namespace velnor::cli {

// velnor-cli check FILE: exit status 0 for a document this program can open, 1 with the reason
// on stderr for one it refuses.
int RunCheck(int argc, char** argv);

}  // namespace velnor::cli
