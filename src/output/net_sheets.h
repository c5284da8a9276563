#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <string_view>
#include <vector>

namespace velnor {

enum class PaperKind { kA4, kA3, kLetter };

// "A4", "A3" or "Letter", in any case.
std::optional<PaperKind> PaperNamed(std::string_view name);
// Upright, in centimetres.
QSizeF PaperSizeCm(PaperKind paper);

// Every sheet keeps this margin free, for printers that cannot print to the edge.
inline constexpr double kSheetMarginCm = 1.0;
// Neighbouring sheets repeat this much of the net, to lay one on the other when gluing.
inline constexpr double kSheetOverlapCm = 1.0;

// One sheet: the part of the net (in centimetres, as the net has it) printed inside its margin.
struct NetSheet {
    QRectF part;
    int row = 0;
    int column = 0;
};

// How a net goes on paper: the sheet size (turned as printed) and the sheets, row by row. A net
// that fits one sheet, upright or turned, is centred on it; a larger one is cut into a grid of
// sheets that overlap, turned the way that needs fewer.
struct SheetPlan {
    QSizeF paper;
    int rows = 1;
    int columns = 1;
    std::vector<NetSheet> sheets;
};

SheetPlan PlanNetSheets(const QRectF& net, QSizeF upright);

}  // namespace velnor
