#include "shell/frame_document_views.h"

#include "model/display_presets.h"
#include "model/document.h"
#include "model/refresh_hint.h"
#include "shell/main_frame.h"
#include "shell/manager_tree.h"
#include "shell/settings_bar.h"
#include "view/mouse_tools.h"
#include "view/plom_view.h"
#include "view/projection.h"

namespace velnor {

void FrameDocumentViews::ModifiedChanged(bool) {
    m_frame.UpdateTitle();
}

void FrameDocumentViews::Refresh(int hint) {
    m_frame.UpdateTitle();
    if (hint >= kHintAll && hint <= kHintSolids) {
        m_frame.Tree().RebuildBranch(hint);
    } else if (hint == kHintPageLabel) {
        const CPlomDoc& doc = m_frame.Document();
        ShowPageName(doc.CurrentPage(), doc.m_bPageSelected);
    }
    m_frame.Tree().ShowSelection();
    m_frame.View().update();
}

void FrameDocumentViews::PageChanged(const CGpage& current, bool pageSelected) {
    m_frame.UpdateTitle();
    CPlomView& view = m_frame.View();
    const int preset = static_cast<int>(current.m_nScheme);
    if (preset >= kPresetWireframe && preset <= kPresetCamouflage) {
        view.ApplyPreset(preset);
        m_frame.Settings().SyncFromSettings();
    }
    // The view draws the page but does not change it.
    view.SetPage(const_cast<CGpage*>(&current),
                 preset == kPresetCamouflage || m_frame.Document().m_bSmoothShading);
    ShowPageName(current, pageSelected);
    m_frame.Tree().ShowCurrentPage();
    m_frame.Tree().ShowSelection();
    view.Tools().ResetPencil();
}

void FrameDocumentViews::PageListChanged() {
    m_frame.Tree().Rebuild();
}

void FrameDocumentViews::CompileComponent(const CGpage& page, uint16_t number) {
    m_frame.View().CompileComponent(page, number);
}

void FrameDocumentViews::Redraw() {
    m_frame.UpdateTitle();
    m_frame.Tree().ShowSelection();
    m_frame.View().update();
}

void FrameDocumentViews::SceneSettingsReplaced() {
    m_frame.View().ApplySettings();
    m_frame.View().RebuildTitle();
    m_frame.Settings().SyncFromSettings();
}

void FrameDocumentViews::UsePerspectiveProjection() {
    if (m_frame.View().Control().m_nProjection != kCentral) {
        m_frame.View().SetProjection(kCentral);
    }
}

void FrameDocumentViews::ShowPageName(const CGpage& page, bool pageSelected) {
    std::string name = page.m_strName;
    if (pageSelected) {
        name += " ( 选中√) ";
    }
    m_frame.ShowPageName(QString::fromStdString(name));
}

}  // namespace velnor
