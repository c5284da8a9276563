#include "editing/cmd_camera.h"

#include "model/document.h"

namespace velnor {

CCmdCamera::CCmdCamera(CPlomDoc& doc, const ViewCamera& before, const ViewCamera& after)
    : CCmd("移动视点"), m_pDoc(&doc), m_before(before), m_after(after) {}

bool CCmdCamera::Undo() {
    Show(m_before);
    return true;
}

bool CCmdCamera::Redo() {
    Show(m_after);
    return true;
}

void CCmdCamera::Show(const ViewCamera& camera) {
    m_pDoc->Settings().m_camera = camera;
    m_pDoc->Redraw();
}

}  // namespace velnor
