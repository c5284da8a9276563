#pragma once

#include "model/page.h"

namespace velnor {

class CPlomDoc;

// The selection commands of the current page. Selecting cells ends the selection of the page as a
// whole; each redraws.
void SelectVisible(CPlomDoc& doc, SelectionKind kind);
// Every vertex and cell of the page, hidden or not.
void SelectAllCells(CPlomDoc& doc);
void Deselect(CPlomDoc& doc);
// The page as a whole: what Copy and Clear then take. The status bar shows the mark.
void SelectCurrentPage(CPlomDoc& doc);
// Takes the mark of the page as a whole away, if it is there.
void EndPageSelection(CPlomDoc& doc);

}  // namespace velnor
