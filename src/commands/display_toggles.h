#pragma once

namespace velnor {

class CPlomDoc;

// Switches kept by the document or by the current page. Each toggles, marks the document modified
// and redraws; the menu item shows its state as a check mark.
void ToggleSmoothShading(CPlomDoc& doc);
bool IsSmoothShading(const CPlomDoc& doc);
void ToggleShowDots(CPlomDoc& doc);
bool IsShowingDots(const CPlomDoc& doc);
void ToggleFillFaces(CPlomDoc& doc);
bool IsFillingFaces(const CPlomDoc& doc);
void TogglePerspectiveInThreeViews(CPlomDoc& doc);
bool IsPerspectiveInThreeViews(const CPlomDoc& doc);

}  // namespace velnor
