#pragma once

namespace velnor {

class CViewImage;

// Whether the frame draws the image's part of the 2D overlay.
bool ImageNeedsOverlay(const CViewImage* image);

// The background image behind the scene and the red frame of the region in front of it, in window
// pixels of a client area `width` x `height`.
void DrawImageLayer(const CViewImage& image, int width, int height);

// With cropping on, only the region's part of the frame is drawn: the scissor box is set after the
// frame is cleared, and taken away at its end.
void BeginCrop(const CViewImage* image, int height);
void EndCrop();

}  // namespace velnor
