#include "commands/selection_commands.h"

#include "model/document.h"
#include "model/document_seam.h"
#include "model/refresh_hint.h"

namespace velnor {

namespace {

// Selecting the page or ending that changes only its mark in the status bar: the page stays the
// one shown, so the views keep the display switches of the moment rather than the page's preset.
void ShowPageSelectionMark() {
    DocumentViews().Refresh(kHintPageLabel);
}

}  // namespace

void EndPageSelection(CPlomDoc& doc) {
    if (doc.m_bPageSelected) {
        doc.m_bPageSelected = false;
        ShowPageSelectionMark();
    }
}

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
    ShowPageSelectionMark();
}

}  // namespace velnor
