#include "view/plom_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QTimerEvent>
#include <QWheelEvent>

#include <utility>

#include "model/display_presets.h"
#include "model/gl_model.h"
#include "model/stipple_patterns.h"
#include "view/component_compiler.h"
#include "view/gl_setup.h"
#include "view/label_font.h"
#include "view/projection.h"
#include "view/scene_state.h"

namespace velnor {

namespace {

int LabelPixels(int size) {
    switch (size) {
        case 1:
            return kLabelSizeLarge;
        case 3:
            return kLabelSizeSmall;
        default:
            return kLabelSizeMedium;
    }
}

}  // namespace

CPlomView::CPlomView(CGlModel& settings, QWidget* parent)
    : QOpenGLWidget(parent),
      m_settings(settings),
      m_control(settings.m_camera),
      m_tools(std::make_unique<MouseTools>(*this)) {
    m_layout.toolFeedback = [this] { m_tools->DrawFeedback(); };
    m_layout.image = &m_images.Image();
    setFormat(CompatibilityFormat());
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
}

CPlomView::~CPlomView() {
    m_timer.stop();
    // The base class destroys the context after this destructor: its last signal must not reach
    // a view that is no longer one.
    if (QOpenGLContext* gl = context()) {
        gl->disconnect(this);
    }
    ReleaseGL();
}

void CPlomView::ReleaseGL() {
    if (m_scene.IsInitialized() && context()) {
        makeCurrent();
        m_scene.Release();
        doneCurrent();
    }
}

void CPlomView::SetPage(CGpage* page, bool positionsAsColors) {
    m_pPage = page;
    m_layout.positionsAsColors = positionsAsColors;
    update();
}

void CPlomView::initializeGL() {
    m_scene.InitGL(m_settings, LabelPixels(m_nLabelSize));
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &CPlomView::ReleaseGL);
    if (m_whenReady) {
        // Runs after initializeGL has returned, when commands may make the context current.
        QMetaObject::invokeMethod(this, std::exchange(m_whenReady, {}), Qt::QueuedConnection);
    }
}

void CPlomView::WhenReady(std::function<void()> action) {
    if (m_scene.IsInitialized()) {
        action();
    } else {
        m_whenReady = std::move(action);
    }
}

void CPlomView::resizeGL(int width, int height) {
    if (width == 0 || height == 0) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    m_layout.width = static_cast<int>(width * ratio);
    m_layout.height = static_cast<int>(height * ratio);
}

void CPlomView::paintGL() {
    // A frame is never re-entered (a message box raised while drawing would otherwise recurse).
    if (m_bInFrame || m_layout.width == 0) {
        return;
    }
    m_bInFrame = true;
    m_layout.projection = m_control.m_nProjection;
    m_layout.viewports = m_control.m_nViewports;
    DrawFrame(m_pPage, m_settings, m_scene, m_layout);
    m_bInFrame = false;
}

template <typename Command>
void CPlomView::Run(Command command) {
    command(m_control);
    SyncTimer();
    update();
}

void CPlomView::SyncTimer() {
    if (m_control.m_bTimerOn && !m_timer.isActive()) {
        // Any animation ends the selection of an image region.
        m_images.EndRegion();
        m_timer.start(m_control.m_nInterval, this);
    } else if (!m_control.m_bTimerOn && m_timer.isActive()) {
        m_timer.stop();
    }
}

void CPlomView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer.timerId()) {
        QOpenGLWidget::timerEvent(event);
        return;
    }
    Tick();
}

void CPlomView::Tick() {
    if (m_control.m_bTimerOn) {
        Run([this](CameraControl& c) { c.Tick(m_buttonStepper); });
    }
}

void CPlomView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    Run([delta](CameraControl& c) { c.Wheel(delta); });
}

void CPlomView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_tools->LeftButtonDown(*event);
    } else if (event->button() == Qt::RightButton) {
        m_tools->RightButtonDown(*event);
    }
}

void CPlomView::mouseMoveEvent(QMouseEvent* event) {
    m_tools->MouseMove(*event);
}

void CPlomView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_tools->LeftButtonUp(*event);
    }
}

void CPlomView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_tools->LeftButtonDoubleClick(*event);
    }
}

void CPlomView::contextMenuEvent(QContextMenuEvent* event) {
    m_tools->ContextMenu(*event);
}

void CPlomView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift) {
        m_images.SetAspectLock(true);
    }
    QOpenGLWidget::keyPressEvent(event);
}

void CPlomView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift) {
        m_images.SetAspectLock(false);
    }
    QOpenGLWidget::keyReleaseEvent(event);
}

void CPlomView::DragCamera(int dx, int dy) {
    Run([dx, dy](CameraControl& c) { c.Drag(dx, dy); });
}

void CPlomView::RotateXForward() {
    Run([](CameraControl& c) { c.RotateXForward(); });
}
void CPlomView::RotateXBackward() {
    Run([](CameraControl& c) { c.RotateXBackward(); });
}
void CPlomView::RotateZForward() {
    Run([](CameraControl& c) { c.RotateZForward(); });
}
void CPlomView::RotateZBackward() {
    Run([](CameraControl& c) { c.RotateZBackward(); });
}
void CPlomView::RotateYForward() {
    Run([](CameraControl& c) { c.RotateYForward(); });
}
void CPlomView::RotateYBackward() {
    Run([](CameraControl& c) { c.RotateYBackward(); });
}
void CPlomView::RotateCustomAxis() {
    Run([](CameraControl& c) { c.RotateCustomAxis(); });
}
void CPlomView::StartStop() {
    Run([](CameraControl& c) { c.StartStop(); });
}
void CPlomView::Reset() {
    Run([](CameraControl& c) { c.Reset(); });
}
void CPlomView::SpeedUp() {
    Run([](CameraControl& c) { c.SpeedUp(); });
}
void CPlomView::SlowDown() {
    Run([](CameraControl& c) { c.SlowDown(); });
}
void CPlomView::StartButtonAnimation() {
    Run([](CameraControl& c) { c.StartButtonAnimation(); });
}
void CPlomView::ZoomIn() {
    Run([](CameraControl& c) { c.ZoomIn(); });
}
void CPlomView::ZoomOut() {
    Run([](CameraControl& c) { c.ZoomOut(); });
}
void CPlomView::PanLeft() {
    Run([](CameraControl& c) { c.PanLeft(); });
}
void CPlomView::PanRight() {
    Run([](CameraControl& c) { c.PanRight(); });
}
void CPlomView::PanUp() {
    Run([](CameraControl& c) { c.PanUp(); });
}
void CPlomView::PanDown() {
    Run([](CameraControl& c) { c.PanDown(); });
}
void CPlomView::MoveNearer() {
    Run([](CameraControl& c) { c.MoveNearer(); });
}
void CPlomView::MoveFarther() {
    Run([](CameraControl& c) { c.MoveFarther(); });
}
void CPlomView::CycleProjection() {
    Run([](CameraControl& c) { c.CycleProjection(); });
}
void CPlomView::FrontView() {
    Run([](CameraControl& c) { c.FrontView(); });
}
void CPlomView::LeftView() {
    Run([](CameraControl& c) { c.LeftView(); });
}
void CPlomView::TopView() {
    Run([](CameraControl& c) { c.TopView(); });
}
void CPlomView::ToggleThreeView() {
    Run([](CameraControl& c) { c.ToggleThreeView(); });
}
void CPlomView::InitialUpdate() {
    Run([](CameraControl& c) { c.InitialUpdate(); });
    setFocus();
}

void CPlomView::SetInterval(int milliseconds) {
    Run([milliseconds](CameraControl& c) { c.SetInterval(milliseconds); });
}

void CPlomView::SetProjection(int type) {
    Run([type](CameraControl& c) { c.SetProjection(type); });
}

bool CPlomView::DefineCustomAxis() {
    return m_pPage && m_control.DefineCustomAxis(*m_pPage);
}

void CPlomView::ToggleAxes() {
    m_layout.showAxes = !m_layout.showAxes;
    update();
}

int CPlomView::LabelPixelSize() const {
    return LabelPixels(m_nLabelSize);
}

void CPlomView::SetLabelSize(int size) {
    m_nLabelSize = size;
    if (m_scene.IsInitialized()) {
        makeCurrent();
        m_scene.BuildLabelFont(LabelPixels(size));
        doneCurrent();
    }
    update();
}

void CPlomView::ApplySettings() {
    if (m_scene.IsInitialized()) {
        makeCurrent();
        velnor::ApplySettings(m_settings);
        doneCurrent();
    }
    update();
}

void CPlomView::ApplyPreset(int preset) {
    switch (ApplyDisplayPreset(m_settings, preset)) {
        case PresetProjection::kOrthographic:
            if (m_control.m_nProjection != Projection::kOrthographic) {
                m_control.SetProjection(Projection::kOrthographic);
            }
            break;
        case PresetProjection::kCentral:
            if (m_control.m_nProjection != Projection::kCentral) {
                m_control.SetProjection(Projection::kCentral);
            }
            break;
        case PresetProjection::kUnchanged:
            break;
    }
    if (m_scene.IsInitialized()) {
        makeCurrent();
        glPolygonStipple(HatchStipple().data());
        velnor::ApplySettings(m_settings);
        doneCurrent();
    }
    update();
}

void CPlomView::SetLineStipple(int choice) {
    if (choice < 0 || choice >= static_cast<int>(kLineStipples.size()) ||
        !m_scene.IsInitialized()) {
        return;
    }
    makeCurrent();
    ApplyLineStipple(kLineStipples[static_cast<size_t>(choice)]);
    doneCurrent();
    update();
}

void CPlomView::RebuildTitle() {
    if (m_scene.IsInitialized()) {
        makeCurrent();
        m_scene.RebuildTitle();
        doneCurrent();
    }
    update();
}

void CPlomView::UseAsTexture(const PixelBuffer& pixels) {
    if (!m_scene.IsInitialized()) {
        return;
    }
    makeCurrent();
    m_scene.LoadTexture(static_cast<uint32_t>(m_settings.m_nTexture), pixels);
    doneCurrent();
    update();
}

void CPlomView::CompileComponent(const CGpage& page, int number) {
    if (!m_scene.IsInitialized()) {
        return;
    }
    makeCurrent();
    // The document hands its own pages out as const; drawing may correct a frustum's ratio in
    // the cell, as drawing it on screen does.
    velnor::CompileComponent(const_cast<CGpage&>(page), number, m_settings, m_scene,
                             m_layout.positionsAsColors);
    doneCurrent();
    update();
}

}  // namespace velnor
