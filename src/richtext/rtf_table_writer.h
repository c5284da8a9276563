#pragma once

#include <QColor>

#include <functional>
#include <string>
#include <vector>

class QTextTable;

namespace velnor {

// The right edges of a table's columns in twips: fixed widths as they are, percentages of a
// page's text width, and an even share of it for columns without a width.
std::vector<int> RtfColumnEdgesOf(const QTextTable& table);

// \trowd and the cell definitions of row `row`: each cell that starts in the row, or that a
// cell above covers (\clvmrg), with its borders and its right edge (\cellx). A cell that spans
// columns is one wide cell, as word processors write it. `colorIndex` gives a colour's index in
// the colour table.
std::string RtfRowDefinitionOf(const QTextTable& table, int row, const std::vector<int>& edges,
                               const std::function<int(const QColor&)>& colorIndex);

}  // namespace velnor
