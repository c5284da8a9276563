#pragma once

#include <array>
#include <vector>

#include "richtext/rtf_tokenizer.h"

namespace velnor {

// One side of a cell's border.
struct RtfBorder {
    bool shown = false;
    int width = 0;  // twips; 0 for the thinnest line
    int color = 0;  // colour-table index; 0 is the automatic colour
};

enum RtfSide { kTop, kLeft, kBottom, kRight };

struct RtfCellDefinition {
    int right = 0;                     // \cellx: the cell's right edge in twips
    bool mergedWithLeft = false;       // \clmrg
    bool firstOfVertical = false;      // \clvmgf
    bool mergedWithAbove = false;      // \clvmrg
    std::array<RtfBorder, 4> borders;  // by RtfSide
};

// The cells of a table row as \trowd and the words after it define them. A cell's properties
// come first and its \cellx ends them.
class RtfRowDefinition {
public:
    // Word processors allow no more cells in a row; more would only make a huge table.
    static constexpr size_t kMaxCells = 63;

    // \trowd, \trleft, \cellx, the merge words and the cell border words; false for others.
    bool ApplyWord(const RtfControlWord& control);

    int Left() const { return m_nLeft; }
    const std::vector<RtfCellDefinition>& Cells() const { return m_cells; }

private:
    bool ApplyBorderWord(const RtfControlWord& control);

    int m_nLeft = 0;
    std::vector<RtfCellDefinition> m_cells;
    RtfCellDefinition m_pending;
    int m_nSide = -1;  // the side that \brdr words change; -1 for none of the cell's
};

}  // namespace velnor
