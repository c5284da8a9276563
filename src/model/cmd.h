#pragma once

#include <string>

namespace velnor {

// One undoable change of the document. The history calls Redo to apply it again and Undo to
// take it back; both report whether they did anything.
class CCmd {
public:
    explicit CCmd(std::string name) : m_strName(std::move(name)) {}
    virtual ~CCmd() = default;
    CCmd(const CCmd&) = delete;
    CCmd& operator=(const CCmd&) = delete;

    virtual bool Undo() = 0;
    virtual bool Redo() = 0;
    virtual bool IsUndoable() const { return m_bUndoable; }
    virtual std::string GetName() const { return m_strName; }

    bool m_bUndoable = true;
    std::string m_strName;  // shown in the Edit menu; may be empty
};

}  // namespace velnor
