#include "shell/view_document_bridge.h"

#include "model/display_presets.h"
#include "model/document.h"
#include "view/plom_view.h"
#include "view/projection.h"

namespace velnor {

void ViewDocumentBridge::Refresh(int) {
    m_view.update();
}

void ViewDocumentBridge::PageChanged(const CGpage& current, bool) {
    const int preset = static_cast<int>(current.m_nScheme);
    if (preset != kPresetNone) {
        m_view.ApplyPreset(preset);
    }
    m_view.SetPage(m_doc.m_pCurPage, m_doc.m_bSmoothShading || preset == kPresetCamouflage);
}

void ViewDocumentBridge::CompileComponent(const CGpage& page, uint16_t number) {
    m_view.CompileComponent(page, number);
}

void ViewDocumentBridge::Redraw() {
    m_view.update();
}

void ViewDocumentBridge::SceneSettingsReplaced() {
    m_view.ApplySettings();
    m_view.RebuildTitle();
}

void ViewDocumentBridge::UsePerspectiveProjection() {
    if (m_view.Control().m_nProjection != kCentral) {
        m_view.SetProjection(kCentral);
    }
}

}  // namespace velnor
