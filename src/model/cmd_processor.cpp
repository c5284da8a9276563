#include "model/cmd_processor.h"

#include <iterator>

namespace velnor {

bool CCmdProcessor::AddCommand(std::unique_ptr<CCmd> cmd) {
    if (Count() >= m_nMaxCmds && !m_cmdList.empty()) {
        const bool droppingCurrent = m_posCurrent == m_cmdList.begin();
        m_cmdList.pop_front();
        if (droppingCurrent) {
            m_posCurrent = m_cmdList.end();
        }
    }
    if (!HasCurrent()) {
        ClearAll();
    } else {
        // The redo part goes; a missing command ends it early, as it ends ClearAll.
        auto it = std::next(m_posCurrent);
        while (it != m_cmdList.end() && *it) {
            it = m_cmdList.erase(it);
        }
    }
    m_cmdList.push_back(std::move(cmd));
    m_posCurrent = std::prev(m_cmdList.end());
    UpdateMenu();
    return true;
}

bool CCmdProcessor::Undo() {
    if (!HasCurrent()) {
        return false;
    }
    CCmd* cmd = m_posCurrent->get();
    if (!cmd || !cmd->IsUndoable() || !cmd->Undo()) {
        return false;
    }
    m_posCurrent = m_posCurrent == m_cmdList.begin() ? m_cmdList.end() : std::prev(m_posCurrent);
    UpdateMenu();
    return true;
}

bool CCmdProcessor::Redo() {
    if (!CanRedo()) {
        return false;
    }
    const auto next = NextPosition();
    CCmd* cmd = next->get();
    if (!cmd || !cmd->Redo()) {
        return false;
    }
    m_posCurrent = next;
    UpdateMenu();
    return true;
}

bool CCmdProcessor::CanUndo() const {
    return HasCurrent() && *m_posCurrent && (*m_posCurrent)->IsUndoable();
}

bool CCmdProcessor::CanRedo() const {
    return !m_cmdList.empty() && m_posCurrent != std::prev(m_cmdList.end());
}

void CCmdProcessor::Reset() {
    ClearAll();
    UpdateMenu();
}

void CCmdProcessor::SetMenuTarget(IMenuItems* target, int undoId, int redoId) {
    m_pMenuWnd = target;
    m_nUndoID = undoId;
    m_nRedoID = redoId;
}

void CCmdProcessor::UpdateMenu() {
    if (!m_pMenuWnd) {
        return;
    }
    bool undoEnabled = false;
    const std::string undoText = UndoText(undoEnabled);
    SetMenuItem(m_nUndoID, undoText, undoEnabled);
    bool redoEnabled = false;
    const std::string redoText = RedoText(redoEnabled);
    SetMenuItem(m_nRedoID, redoText, redoEnabled);
}

void CCmdProcessor::SetMenuItem(int commandId, const std::string& text, bool enabled) {
    if (m_pMenuWnd) {
        m_pMenuWnd->SetMenuItem(commandId, text, enabled);
    }
}

void CCmdProcessor::ClearAll() {
    while (!m_cmdList.empty() && m_cmdList.front()) {
        m_cmdList.pop_front();
    }
    m_posCurrent = m_cmdList.end();
}

const CCmd* CCmdProcessor::Current() const {
    return HasCurrent() ? m_posCurrent->get() : nullptr;
}

CCmdProcessor::CmdList::iterator CCmdProcessor::NextPosition() {
    return HasCurrent() ? std::next(m_posCurrent) : m_cmdList.begin();
}

// The mnemonic stands after the accelerator in the two texts without a name, as the menu always
// showed them.
std::string CCmdProcessor::UndoText(bool& enabled) const {
    if (!HasCurrent()) {
        enabled = false;
        return "撤消\tCtrl+Z(&U)";
    }
    const CCmd* cmd = m_posCurrent->get();
    const std::string name = cmd ? cmd->GetName() : std::string();
    enabled = cmd && cmd->IsUndoable();
    if (enabled) {
        return name.empty() ? "撤消(&U)\tCtrl+Z" : "撤消 " + name + "(&U)\tCtrl+Z";
    }
    return name.empty() ? "不能撤消\tCtrl+Z(&U)" : "不能撤消 " + name + "(&U)\tCtrl+Z";
}

std::string CCmdProcessor::RedoText(bool& enabled) {
    const auto next = m_cmdList.empty() ? m_cmdList.end() : NextPosition();
    enabled = next != m_cmdList.end() && *next;
    if (!enabled) {
        return "重做(&R)\tCtrl+R";
    }
    const std::string name = (*next)->GetName();
    return name.empty() ? "重做(&R)\tCtrl+R" : "重做 " + name + "(&R)\tCtrl+R";
}

}  // namespace velnor
