#pragma once

#include <QPoint>

#include "view/images/pixel_buffer.h"

namespace velnor {

// A rectangle of the view in window coordinates (y down), as the mouse draws it: the first corner
// is where the press was, the second where the mouse is; either may be the larger.
struct RegionCorners {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right > left ? right - left : left - right; }
    int Height() const { return bottom > top ? bottom - top : top - bottom; }
};

// A rectangle in OpenGL window coordinates (origin at the bottom left).
struct GlBox {
    int x = 0, y = 0, width = 0, height = 0;
};

// The view's one raster image and its region selection: what is loaded, what is shown, where,
// and the flags of the 图文 commands. No OpenGL here; the view draws it and reads pixels.
class CViewImage {
public:
    static constexpr int kMaxX = 1024;  // how far the image may be dragged, whatever the window
    static constexpr int kMaxY = 780;
    // A region larger than any screen is of no use; 1 pixel is the least that can be saved.
    static constexpr int kLargestRegionSide = 8192;

    bool HasImage() const { return !m_pOrigPixels.Empty(); }
    bool HasDisplayed() const { return !m_pPixels.Empty(); }
    const PixelBuffer& Loaded() const { return m_pOrigPixels; }
    const PixelBuffer& Displayed() const { return m_pPixels; }

    // A loaded or pasted picture: both buffers take it, centred in the client area and shown,
    // with image moving off.
    void Take(PixelBuffer pixels, int clientWidth, int clientHeight);
    // Shows `scaled` in place of the displayed image, its lower-left corner at `at`.
    void Display(PixelBuffer scaled, QPoint at);
    // The displayed image becomes the loaded one again, centred and shown.
    void Restore(int clientWidth, int clientHeight);
    // Not shown, region selection off, both buffers freed.
    void Close();
    // Both buffers freed (the image is in a texture now, or gone).
    void FreeBuffers();

    // Dragging with image moving on: by (dx, -dy) window pixels, kept in 0..kMaxX, 0..kMaxY.
    void MoveBy(int dx, int dy);

    // Region selection on: the preset size, centred in the client area.
    void BeginRegion(int clientWidth, int clientHeight);
    // A press puts the first corner at the press point; the size stays.
    void PressRegion(QPoint at);
    // A drag takes the second corner to the mouse.
    void DragRegion(QPoint to);
    // With Shift held, the region keeps the loaded image's aspect (its width follows its height).
    void KeepAspect();
    const RegionCorners& Region() const { return m_region; }
    // The region as OpenGL takes it for a client area `clientHeight` high.
    GlBox RegionBox(int clientHeight) const;
    // A region with no area has nothing to save or copy.
    bool RegionIsEmpty() const { return m_region.Width() == 0 || m_region.Height() == 0; }

    PixelBuffer m_pOrigPixels;  // as loaded or pasted
    PixelBuffer m_pPixels;      // as displayed (after scaling)
    QPoint m_ptImg;             // lower-left corner of the displayed image, y up
    bool m_bShowImage = false;
    bool m_bMoveImage = false;
    bool m_bCrop = false;
    bool m_bRegion = false;
    bool m_bAspectLock = false;
    int m_nRegionW = 512;  // the preset region size
    int m_nRegionH = 512;

private:
    void Centre(int clientWidth, int clientHeight);

    RegionCorners m_region;
};

}  // namespace velnor
