#pragma once

#include <QString>

#include "output/net_sheets.h"

class QPagedPaintDevice;

namespace velnor {

struct PaperNet;

// The sheets the net takes on that paper.
SheetPlan NetSheetPlan(const PaperNet& net, PaperKind paper);

// Sets the device to the plan's paper, turned as the plan has it, printing to its edges.
void UseSheetPaper(QPagedPaintDevice& device, PaperKind paper, const SheetPlan& plan);

// Prints the plan's sheets on a device set up by UseSheetPaper, one page each. Returns whether
// the device took the drawing.
bool PrintNetSheets(QPagedPaintDevice& device, const PaperNet& net, const SheetPlan& plan);

// The net's sheets as a PDF; an empty string, or why it failed. The old file stays untouched
// until the new one is complete.
QString WriteNetPdf(const QString& path, const PaperNet& net, PaperKind paper);

// The net as an SVG at its true size: one sheet of the paper when it fits there, otherwise one
// drawing as large as the net, since a file of SVG holds a single page.
QString WriteNetSvg(const QString& path, const PaperNet& net, PaperKind paper);

}  // namespace velnor
