#pragma once

class QKeyEvent;

namespace velnor {

class CPlomView;

// The keyboard shortcuts of the camera commands (arrows turn, Shift+arrows pan, Ctrl+arrows
// change speed and distance, Home resets, F3 three views, F5 projection ...). Returns whether the
// key was one of them.
bool HandleCameraKey(CPlomView& view, const QKeyEvent& event);

}  // namespace velnor
