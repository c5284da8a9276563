#include "editing/cmd_compound.h"

namespace velnor {

CCmd& CCmdCompound::Append(std::unique_ptr<CCmd> cmd) {
    m_cmdList.push_back(std::move(cmd));
    return *m_cmdList.back();
}

bool CCmdCompound::Undo() {
    for (auto it = m_cmdList.rbegin(); it != m_cmdList.rend(); ++it) {
        (*it)->Undo();
    }
    return true;
}

bool CCmdCompound::Redo() {
    for (const auto& cmd : m_cmdList) {
        cmd->Redo();
    }
    return true;
}

}  // namespace velnor
