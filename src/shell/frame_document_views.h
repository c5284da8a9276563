#pragma once

#include "model/document_seam.h"

namespace velnor {

class CMainFrame;

// What the document tells the main window: the view redraws or shows another page, the manager
// tree rebuilds the changed branch, the status bar shows the page name and the title the
// modified flag.
class FrameDocumentViews final : public IDocumentViews {
public:
    explicit FrameDocumentViews(CMainFrame& frame) : m_frame(frame) {}

    void ModifiedChanged(bool modified) override;
    void Refresh(int hint) override;
    void PageChanged(const CGpage& current, bool pageSelected) override;
    void PageListChanged() override;
    void CompileComponent(const CGpage& page, uint16_t number) override;
    void Redraw() override;
    void SceneSettingsReplaced() override;
    void UsePerspectiveProjection() override;

private:
    void ShowPageName(const CGpage& page, bool pageSelected);

    CMainFrame& m_frame;
};

}  // namespace velnor
