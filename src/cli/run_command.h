#pragma once

namespace velnor::cli {

// velnor-cli run [IN.plm] SCRIPT [-o OUT.plm]: executes the script on the document read from IN
// (or a new one) and saves the result to OUT. A bad script line or file exits with status 2 and
// writes nothing.
int RunScript(int argc, char** argv);

}  // namespace velnor::cli
