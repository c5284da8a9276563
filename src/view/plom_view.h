#pragma once

#include <QBasicTimer>
#include <QOpenGLWidget>
#include <QPoint>

#include <functional>
#include <memory>

#include "view/camera_control.h"
#include "view/frame_renderer.h"
#include "view/gl_scene.h"
#include "view/images/image_commands.h"
#include "view/mouse_tools.h"

namespace velnor {

class CGlModel;
class CGpage;

// The 3D view: draws the current page with OpenGL and carries the camera commands, the view
// animation and the display-setting operations that the menus call.
class CPlomView : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit CPlomView(CGlModel& settings, QWidget* parent = nullptr);
    ~CPlomView() override;

    // The page drawn (may be null). `positionsAsColors` reads positions as vertex colours
    // (面光滑着色, or the 迷彩 preset of the page).
    void SetPage(CGpage* page, bool positionsAsColors = false);
    CGpage* Page() const { return m_pPage; }

    // Called by the timer in the action-button mode: updates the page's dynamic texts, steps its
    // running buttons and returns whether any still runs.
    void SetButtonStepper(std::function<bool()> stepper) { m_buttonStepper = std::move(stepper); }

    // Camera commands.
    void RotateXForward();
    void RotateXBackward();
    void RotateZForward();
    void RotateZBackward();
    void RotateYForward();
    void RotateYBackward();
    void RotateCustomAxis();
    bool DefineCustomAxis();
    void StartStop();
    void Reset();
    void SpeedUp();
    void SlowDown();
    void SetInterval(int milliseconds);
    void StartButtonAnimation();
    // One step of the timer, as its event runs it; nothing while the timer is off.
    void Tick();
    void ZoomIn();
    void ZoomOut();
    void PanLeft();
    void PanRight();
    void PanUp();
    void PanDown();
    void MoveNearer();
    void MoveFarther();
    void SetProjection(int type);
    void CycleProjection();
    void FrontView();
    void LeftView();
    void TopView();
    void ToggleThreeView();
    void ToggleAxes();
    void InitialUpdate();

    // Display settings.
    // 大 / 中 / 小: label size 1, 2 or 3.
    void SetLabelSize(int size);
    int LabelSize() const { return m_nLabelSize; }
    // The height of the labels in pixels, for drawings of the view.
    int LabelPixelSize() const;
    // After the settings record changed (a loaded document, a sheet, a switch).
    void ApplySettings();
    // One of the five display presets (also what a page's preset selects).
    void ApplyPreset(int preset);
    // The 虚线 choice (0..3).
    void SetLineStipple(int choice);
    // After the title strings or font changed.
    void RebuildTitle();
    // Compiles `page` as page component `number` (1..22).
    void CompileComponent(const CGpage& page, int number);
    // Runs `action` once the OpenGL context exists: at once if it does, otherwise right after it
    // is made (display lists can only be compiled then).
    void WhenReady(std::function<void()> action);

    // A left-button drag that moves no cells turns the camera (while the timer is off).
    void DragCamera(int dx, int dy);
    // The mouse tools and their commands.
    MouseTools& Tools() { return *m_tools; }
    // The background image, the region selection and the other 图文 commands.
    ImageCommands& Images() { return m_images; }
    const ImageCommands& Images() const { return m_images; }
    // 用于贴图: the current texture (the settings' texture index) takes the picture.
    void UseAsTexture(const PixelBuffer& pixels);
    CGlModel& Settings() const { return m_settings; }
    const GlScene& Scene() const { return m_scene; }

    const CameraControl& Control() const { return m_control; }
    bool AxesShown() const { return m_layout.showAxes; }
    // The layout the next frame is drawn with.
    FrameLayout Layout() const { return m_layout; }

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void timerEvent(QTimerEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Runs a camera command, then follows its timer state and redraws.
    template <typename Command>
    void Run(Command command);
    void SyncTimer();
    void ReleaseGL();

    CGlModel& m_settings;
    CameraControl m_control;
    GlScene m_scene;
    FrameLayout m_layout;
    CGpage* m_pPage = nullptr;
    std::function<bool()> m_buttonStepper;
    QBasicTimer m_timer;
    std::unique_ptr<MouseTools> m_tools;
    ImageCommands m_images{*this};
    int m_nLabelSize = 2;
    bool m_bInFrame = false;
    std::function<void()> m_whenReady;
};

}  // namespace velnor
