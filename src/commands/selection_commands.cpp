#include "commands/selection_commands.h"

#include "model/document.h"
#include "model/document_seam.h"

namespace velnor {

namespace {

void EndPageSelection(CPlomDoc& doc) {
    if (doc.m_bPageSelected) {
        doc.m_bPageSelected = false;
        DocumentViews().PageChanged(doc.CurrentPage(), false);
    }
}

}  // namespace

void SelectVisible(CPlomDoc& doc, SelectionKind kind) {
    doc.CurrentPage().SelectAllOfKind(kind);
    EndPageSelection(doc);
    doc.Redraw();
}

void SelectAllCells(CPlomDoc& doc) {
    doc.CurrentPage().SelectEverything();
    EndPageSelection(doc);
    doc.Redraw();
}

void Deselect(CPlomDoc& doc) {
    doc.CurrentPage().ClearSelection();
    EndPageSelection(doc);
    doc.Redraw();
}

void SelectCurrentPage(CPlomDoc& doc) {
    doc.m_bPageSelected = true;
    DocumentViews().PageChanged(doc.CurrentPage(), true);
}

}  // namespace velnor
