#pragma once

#include <string>

namespace velnor {

// Base of everything a page keeps in its cell maps (lines, faces, solids, texts).
// Cells hold data only; the view draws them.
class CGcell {
public:
    CGcell() = default;
    explicit CGcell(std::string name) : m_strName(std::move(name)) {}
    virtual ~CGcell() = default;

    // The class name under which the cell is stored in a document ("CLineCell", "CFace3", ...).
    virtual const char* ClassName() const = 0;

    // Compares the common part only; each cell class compares the whole cell.
    bool operator==(const CGcell&) const = default;

    std::string m_strName;
    bool m_bHidden = false;

protected:
    CGcell(const CGcell&) = default;
    CGcell& operator=(const CGcell&) = default;
};

}  // namespace velnor
