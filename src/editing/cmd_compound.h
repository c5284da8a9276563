#pragma once

#include <list>
#include <memory>
#include <string>

#include "model/cmd.h"

namespace velnor {

// Several commands recorded as one: Redo runs them in order, Undo in reverse order.
class CCmdCompound final : public CCmd {
public:
    explicit CCmdCompound(std::string name) : CCmd(std::move(name)) {}

    // Returns the appended command.
    CCmd& Append(std::unique_ptr<CCmd> cmd);

    bool Undo() override;
    bool Redo() override;

    const std::list<std::unique_ptr<CCmd>>& Commands() const { return m_cmdList; }

private:
    std::list<std::unique_ptr<CCmd>> m_cmdList;
};

}  // namespace velnor
