#pragma once

namespace velnor::cli {

// A subcommand receives the arguments after its name and returns the exit status.
using Subcommand = int (*)(int argc, char** argv);

}  // namespace velnor::cli
