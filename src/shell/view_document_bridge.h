#pragma once

#include "model/document_seam.h"

namespace velnor {

class CPlomDoc;
class CPlomView;

// What the document tells the windows, carried to the 3D view: redraws, the current page with its
// display preset, page components, replaced scene settings.
class ViewDocumentBridge final : public IDocumentViews {
public:
    ViewDocumentBridge(CPlomDoc& doc, CPlomView& view) : m_doc(doc), m_view(view) {}

    void ModifiedChanged(bool) override {}
    void Refresh(int hint) override;
    void PageChanged(const CGpage& current, bool pageSelected) override;
    void PageListChanged() override {}
    void CompileComponent(const CGpage& page, uint16_t number) override;
    void Redraw() override;
    void SceneSettingsReplaced() override;
    void UsePerspectiveProjection() override;

private:
    CPlomDoc& m_doc;
    CPlomView& m_view;
};

}  // namespace velnor
