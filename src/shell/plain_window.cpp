#include "shell/plain_window.h"

#include <QKeyEvent>

#include "model/display_presets.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "shell/camera_keys.h"
#include "view/plom_view.h"

namespace velnor {

PlainWindow::PlainWindow(std::unique_ptr<CGpage> page)
    : m_page(std::move(page)), m_view(new CPlomView(SceneSettings(), this)) {
    setWindowTitle(QString::fromStdString("Velnor -" + m_page->m_strName));
    setCentralWidget(m_view);
    resize(1000, 700);
    m_nPreset = static_cast<int>(m_page->m_nScheme);
    m_view->ApplyPreset(m_nPreset);
    m_view->SetPage(m_page.get(), m_nPreset == kPresetCamouflage);
    m_view->InitialUpdate();
}

PlainWindow::~PlainWindow() = default;

void PlainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4) {
        m_nPreset = NextPresetInCycle(m_nPreset);
        m_view->ApplyPreset(m_nPreset);
        m_view->SetPage(m_page.get(), m_nPreset == kPresetCamouflage);
        return;
    }
    if (!HandleCameraKey(*m_view, *event)) {
        QMainWindow::keyPressEvent(event);
    }
}

}  // namespace velnor
