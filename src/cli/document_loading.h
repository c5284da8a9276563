#pragma once

#include "model/document.h"

namespace velnor::cli {

// Loads a document file into `doc` for a subcommand; on failure prints "FILE: reason" to stderr
// and returns false.
bool LoadForCli(CPlomDoc& doc, const char* path);

}  // namespace velnor::cli
