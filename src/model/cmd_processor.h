#pragma once

#include <list>
#include <memory>
#include <string>

#include "model/cmd.h"
#include "model/menu_item_seam.h"

namespace velnor {

// The bounded, linear undo history of a document. It keeps the Undo and Redo items of the Edit
// menu labelled with the command each would act on.
class CCmdProcessor {
public:
    using CmdList = std::list<std::unique_ptr<CCmd>>;

    explicit CCmdProcessor(int maxCmds) : m_nMaxCmds(maxCmds) {}
    ~CCmdProcessor() { ClearAll(); }
    CCmdProcessor(const CCmdProcessor&) = delete;
    CCmdProcessor& operator=(const CCmdProcessor&) = delete;

    // Records the command as the newest one, dropping the redo part and, at capacity, the oldest.
    bool AddCommand(std::unique_ptr<CCmd> cmd);
    bool Undo();
    bool Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void Reset();
    // Until a target is set the menu is not relabelled.
    void SetMenuTarget(IMenuItems* target, int undoId, int redoId);
    IMenuItems* GetMenuTarget() const { return m_pMenuWnd; }
    void UpdateMenu();
    void SetMenuItem(int commandId, const std::string& text, bool enabled);
    void ClearAll();

    int Count() const { return static_cast<int>(m_cmdList.size()); }
    const CmdList& Commands() const { return m_cmdList; }
    // The command the next Undo reverses, or null.
    const CCmd* Current() const;

private:
    bool HasCurrent() const { return m_posCurrent != m_cmdList.end(); }
    CmdList::iterator NextPosition();
    std::string UndoText(bool& enabled) const;
    std::string RedoText(bool& enabled);

    int m_nMaxCmds;
    CmdList m_cmdList;
    // end() stands for "nothing to undo".
    CmdList::iterator m_posCurrent = m_cmdList.end();
    IMenuItems* m_pMenuWnd = nullptr;
    // The menu's own ids for its Undo and Redo items, given with the menu.
    int m_nUndoID = 0;
    int m_nRedoID = 0;
};

}  // namespace velnor
