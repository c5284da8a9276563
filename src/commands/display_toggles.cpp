#include "commands/display_toggles.h"

#include "model/document.h"

namespace velnor {

void ToggleSmoothShading(CPlomDoc& doc) {
    doc.m_bSmoothShading = !doc.m_bSmoothShading;
    // The view binds its colour array when the page changes; smooth shading swaps that array.
    doc.NotifyPageChanged();
}

bool IsSmoothShading(const CPlomDoc& doc) {
    return doc.m_bSmoothShading;
}

void ToggleShowDots(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    page.m_bShowDots = page.m_bShowDots ? 0 : 1;
    doc.Refresh(kHintRedraw);
}

bool IsShowingDots(const CPlomDoc& doc) {
    return doc.CurrentPage().m_bShowDots != 0;
}

void ToggleFillFaces(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    page.m_bFillFaces = page.m_bFillFaces ? 0 : 1;
    doc.Refresh(kHintRedraw);
}

bool IsFillingFaces(const CPlomDoc& doc) {
    return doc.CurrentPage().m_bFillFaces != 0;
}

void TogglePerspectiveInThreeViews(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    page.m_bPerspInThreeView = page.m_bPerspInThreeView ? 0 : 1;
    doc.Refresh(kHintRedraw);
}

bool IsPerspectiveInThreeViews(const CPlomDoc& doc) {
    return doc.CurrentPage().m_bPerspInThreeView != 0;
}

}  // namespace velnor
