#include "view/images/view_image.h"

#include <algorithm>
#include <utility>

namespace velnor {

void CViewImage::Take(PixelBuffer pixels, int clientWidth, int clientHeight) {
    m_pOrigPixels = std::move(pixels);
    m_pPixels = m_pOrigPixels;
    Centre(clientWidth, clientHeight);
    m_bShowImage = true;
    m_bMoveImage = false;
}

void CViewImage::Display(PixelBuffer scaled, QPoint at) {
    m_pPixels = std::move(scaled);
    m_ptImg = at;
}

void CViewImage::Restore(int clientWidth, int clientHeight) {
    m_pPixels = m_pOrigPixels;
    Centre(clientWidth, clientHeight);
    m_bShowImage = true;
    m_bMoveImage = false;
    m_bCrop = false;
}

void CViewImage::Close() {
    m_bShowImage = false;
    m_bRegion = false;
    FreeBuffers();
}

void CViewImage::FreeBuffers() {
    m_pOrigPixels = {};
    m_pPixels = {};
}

void CViewImage::Centre(int clientWidth, int clientHeight) {
    m_ptImg = QPoint(std::max(0, (clientWidth - m_pPixels.width) / 2),
                     std::max(0, (clientHeight - m_pPixels.height) / 2));
}

void CViewImage::MoveBy(int dx, int dy) {
    m_ptImg =
        QPoint(std::clamp(m_ptImg.x() + dx, 0, kMaxX), std::clamp(m_ptImg.y() - dy, 0, kMaxY));
}

void CViewImage::BeginRegion(int clientWidth, int clientHeight) {
    m_bRegion = true;
    m_bMoveImage = false;
    m_region.left = (clientWidth - m_nRegionW) / 2;
    m_region.top = (clientHeight - m_nRegionH) / 2;
    m_region.right = m_region.left + m_nRegionW;
    m_region.bottom = m_region.top + m_nRegionH;
}

void CViewImage::PressRegion(QPoint at) {
    const int width = m_region.right - m_region.left;
    const int height = m_region.bottom - m_region.top;
    m_region = {at.x(), at.y(), at.x() + width, at.y() + height};
}

void CViewImage::DragRegion(QPoint to) {
    m_region.right = to.x();
    m_region.bottom = to.y();
}

void CViewImage::KeepAspect() {
    if (m_pOrigPixels.height > 0) {
        m_region.right = m_region.left + (m_region.bottom - m_region.top) * m_pOrigPixels.width /
                                             m_pOrigPixels.height;
    }
}

GlBox CViewImage::RegionBox(int clientHeight) const {
    return {std::min(m_region.left, m_region.right),
            clientHeight - std::max(m_region.top, m_region.bottom), m_region.Width(),
            m_region.Height()};
}

}  // namespace velnor
