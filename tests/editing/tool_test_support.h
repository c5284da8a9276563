#pragma once

#include <string>

#include "editing/editing_fixture.h"
#include "editing/tool_state.h"

namespace velnor::test {

// A document for the mouse tools, with the name of the command the next undo reverses.
class ToolTest : public EditingTest {
protected:
    std::string UndoName() const {
        const CCmd* current = doc.CommandProcessor().Current();
        return current ? current->GetName() : std::string();
    }

    ToolState state;
};

}  // namespace velnor::test
