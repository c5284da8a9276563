#include "shell/plain_window.h"

#include <QKeyEvent>
#include <QMessageBox>

#include <iterator>

#include "model/display_presets.h"
#include "model/document.h"
#include "model/document_seam.h"
#include "model/gl_model.h"
#include "persistence/archive_error.h"
#include "persistence/document_io.h"
#include "shell/camera_keys.h"
#include "shell/view_document_bridge.h"
#include "view/demo_page.h"
#include "view/plom_view.h"

namespace velnor {

PlainWindow::PlainWindow()
    : m_doc(std::make_unique<CPlomDoc>()), m_view(new CPlomView(SceneSettings(), this)) {
    m_bridge = std::make_unique<ViewDocumentBridge>(*m_doc, *m_view);
    SetDocumentViews(m_bridge.get());
    setCentralWidget(m_view);
    resize(1000, 700);
}

PlainWindow::~PlainWindow() {
    SetDocumentViews(nullptr);
    m_doc.reset();
}

void PlainWindow::OpenWhenReady(const std::string& path) {
    m_view->WhenReady([this, path] { Open(path); });
}

void PlainWindow::Open(const std::string& path) {
    if (path.empty()) {
        OpenDemonstration();
        return;
    }
    try {
        LoadDocumentFile(*m_doc, path);
        setWindowTitle(QString::fromStdString("Velnor - " + path));
    } catch (const ArchiveError& e) {
        QMessageBox::warning(this, QStringLiteral("Velnor"), QString::fromStdString(e.what()));
        OpenDemonstration();
    }
    m_nPreset = static_cast<int>(m_doc->CurrentPage().m_nScheme);
    m_view->InitialUpdate();
}

void PlainWindow::OpenDemonstration() {
    m_doc->DeleteContents();
    m_doc->m_nNextPageId = 2;
    m_doc->AppendPage(MakeDemoPage());
    m_doc->FinishLoading();
    setWindowTitle(QStringLiteral("Velnor"));
}

void PlainWindow::ShowPage(int step) {
    auto position = m_doc->m_posCurPage;
    if ((step < 0 && m_doc->IsFirstPage()) || (step > 0 && m_doc->IsLastPage())) {
        return;
    }
    std::advance(position, step);
    m_doc->ActivatePage(position);
    m_doc->NotifyPageChanged();
}

void PlainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F4:
            m_nPreset = NextPresetInCycle(m_nPreset);
            m_view->ApplyPreset(m_nPreset);
            m_view->SetPage(m_doc->m_pCurPage, m_nPreset == kPresetCamouflage);
            return;
        case Qt::Key_PageDown:
            ShowPage(1);
            return;
        case Qt::Key_PageUp:
            ShowPage(-1);
            return;
        default:
            break;
    }
    if (!HandleCameraKey(*m_view, *event)) {
        QMainWindow::keyPressEvent(event);
    }
}

}  // namespace velnor
