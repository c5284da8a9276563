#pragma once

namespace velnor {

// While it lives, drawing is in pixels of the current viewport, which is width × height: x to the
// right, y upwards from the bottom, depth −101..101 (so −100 lies behind the scene and 100 in front
// of it). The camera's matrices come back when it goes.
class WindowPixelSpace {
public:
    WindowPixelSpace(int width, int height);
    ~WindowPixelSpace();
    WindowPixelSpace(const WindowPixelSpace&) = delete;
    WindowPixelSpace& operator=(const WindowPixelSpace&) = delete;
};

}  // namespace velnor
