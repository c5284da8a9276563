#pragma once

#include <memory>

#include "model/page.h"

namespace velnor::test {

// A page that holds every kind of cell and button, with Chinese text and odd float values.
std::unique_ptr<CGpage> PageWithEveryRecordKind(uint16_t id);

// An empty page as a new document has it.
std::unique_ptr<CGpage> EmptyFirstPage();

}  // namespace velnor::test
