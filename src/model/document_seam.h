#pragma once

#include <cstdint>

namespace velnor {

class CGpage;

// What the document tells the windows after it changed. The desktop program redraws the view and
// rebuilds the manager tree and status bar; tests record the calls.
class IDocumentViews {
public:
    virtual ~IDocumentViews() = default;

    // The modified flag changed (title bar, save prompt).
    virtual void ModifiedChanged(bool modified) = 0;
    // After an edit: hint 0 rebuilds every manager-tree branch of the current page, 1 vertices,
    // 2 lines, 3 faces, 4 solids; 10 updates the page name in the status bar; 12 only redraws.
    virtual void Refresh(int hint) = 0;
    // The current page changed or was replaced: bind its vertex arrays, show its name (with
    // " ( 选中√) " while the page is selected), apply its display preset and redraw.
    virtual void PageChanged(const CGpage& current, bool pageSelected) = 0;
    // Pages were added, removed or renamed: rebuild the whole manager tree.
    virtual void PageListChanged() = 0;
    // Compile the page's drawing into the display list of page component `number` (1..22).
    virtual void CompileComponent(const CGpage& page, uint16_t number) = 0;
    // Redraw the view only.
    virtual void Redraw() = 0;
    // A loaded document replaced the scene settings: apply them and rebuild the 3D title text.
    virtual void SceneSettingsReplaced() {}
    // Switch the view to perspective projection unless it already uses it ("中心投影"); a loaded
    // document whose first page has display preset 2 asks for it.
    virtual void UsePerspectiveProjection() {}
};

// Installs the implementation the core reaches; nullptr makes every call do nothing.
IDocumentViews* SetDocumentViews(IDocumentViews* views);

// The installed implementation, or one that does nothing.
IDocumentViews& DocumentViews();

}  // namespace velnor
