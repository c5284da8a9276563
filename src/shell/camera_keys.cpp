#include "shell/camera_keys.h"

#include <QKeyEvent>

#include "view/plom_view.h"

namespace velnor {

namespace {

bool HandleArrow(CPlomView& view, int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier) {
        switch (key) {
            case Qt::Key_Left:
                view.PanLeft();
                return true;
            case Qt::Key_Right:
                view.PanRight();
                return true;
            case Qt::Key_Up:
                view.PanUp();
                return true;
            case Qt::Key_Down:
                view.PanDown();
                return true;
            default:
                return false;
        }
    }
    if (modifiers & Qt::ControlModifier) {
        switch (key) {
            case Qt::Key_Left:
                view.SlowDown();
                return true;
            case Qt::Key_Right:
                view.SpeedUp();
                return true;
            case Qt::Key_Up:
                view.MoveFarther();
                return true;
            case Qt::Key_Down:
                view.MoveNearer();
                return true;
            default:
                return false;
        }
    }
    switch (key) {
        case Qt::Key_Down:
            view.RotateXForward();
            return true;
        case Qt::Key_Up:
            view.RotateXBackward();
            return true;
        case Qt::Key_Right:
            view.RotateZForward();
            return true;
        case Qt::Key_Left:
            view.RotateZBackward();
            return true;
        default:
            return false;
    }
}

}  // namespace

bool HandleCameraKey(CPlomView& view, const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return HandleArrow(view, key, modifiers);
        case Qt::Key_Home:
            view.Reset();
            return true;
        case Qt::Key_F3:
            view.ToggleThreeView();
            return true;
        case Qt::Key_F5:
            view.CycleProjection();
            return true;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            view.ZoomIn();
            return true;
        case Qt::Key_Minus:
            view.ZoomOut();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ctrl) {
                view.StartStop();
                return true;
            }
            return false;
        case Qt::Key_Y:
            if (ctrl) {
                view.RotateYForward();
                return true;
            }
            return false;
        case Qt::Key_U:
            if (ctrl) {
                view.RotateYBackward();
                return true;
            }
            return false;
        case Qt::Key_D:
            if (ctrl) {
                view.RotateCustomAxis();
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace velnor
