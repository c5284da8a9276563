#include "view/images/image_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>

#include <GL/glu.h>

#include "commands/command_ids.h"
#include "editing/cmd_add_cells.h"
#include "model/bit_text.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "model/message_seam.h"
#include "view/images/bitmap_from_pixels.h"
#include "view/images/clipboard_bitmap.h"
#include "view/images/image_files.h"
#include "view/plom_view.h"

namespace velnor {

namespace {

// Long work on pictures shows the wait cursor until it returns.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

bool ImageCommands::Open(const QString& path) {
    WaitCursor wait;
    std::optional<PixelBuffer> pixels = LoadImageFile(path);
    if (pixels) {
        m_image.Take(std::move(*pixels), m_view.width(), m_view.height());
    } else {
        m_image.Close();
    }
    m_view.update();
    return pixels.has_value();
}

bool ImageCommands::Paste(const QMimeData* clipboard) {
    std::optional<PixelBuffer> pixels = PasteBitmap(clipboard);
    if (pixels) {
        m_image.Take(std::move(*pixels), m_view.width(), m_view.height());
        m_view.update();
    }
    return pixels.has_value();
}

void ImageCommands::ToggleShow() {
    m_image.m_bShowImage = !m_image.m_bShowImage;
    m_view.update();
}

void ImageCommands::ToggleMove() {
    StopTimer();
    m_image.m_bMoveImage = !m_image.m_bMoveImage;
    if (m_image.m_bMoveImage) {
        m_image.m_bRegion = false;
        m_view.Tools().LockSelection();
        m_view.setCursor(Qt::SizeAllCursor);
    } else {
        m_view.unsetCursor();
    }
    m_view.update();
}

void ImageCommands::ToggleRegion() {
    if (m_image.m_bRegion) {
        EndRegion();
        return;
    }
    StopTimer();
    m_image.BeginRegion(m_view.width(), m_view.height());
    m_view.Tools().LockSelection();
    m_view.setCursor(Qt::CrossCursor);
    m_view.update();
}

void ImageCommands::SetRegionSize(int width, int height) {
    m_image.m_nRegionW = width;
    m_image.m_nRegionH = height;
    ToggleRegion();
}

void ImageCommands::EndRegion() {
    if (m_image.m_bRegion) {
        m_image.m_bRegion = false;
        m_view.unsetCursor();
        m_view.update();
    }
}

void ImageCommands::EndRegionAndMoving() {
    m_image.m_bMoveImage = false;
    EndRegion();
}

void ImageCommands::ScaleIntoRegion() {
    const RegionCorners& region = m_image.Region();
    if (!m_image.m_bShowImage || !m_image.HasImage() || m_image.RegionIsEmpty()) {
        return;
    }
    WaitCursor wait;
    const PixelBuffer& loaded = m_image.Loaded();
    PixelBuffer scaled = PixelBuffer::Blank(region.Width(), region.Height());
    m_view.makeCurrent();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gluScaleImage(GL_RGB, loaded.width, loaded.height, GL_UNSIGNED_BYTE, loaded.bytes.data(),
                  scaled.width, scaled.height, GL_UNSIGNED_BYTE, scaled.bytes.data());
    m_view.doneCurrent();
    const GlBox box = m_image.RegionBox(m_view.height());
    m_image.Display(std::move(scaled), QPoint(box.x, box.y));
    m_view.update();
}

void ImageCommands::ToggleCrop() {
    m_image.m_bCrop = !m_image.m_bCrop;
    if (m_image.m_bCrop) {
        m_image.m_bMoveImage = true;
        m_image.m_bRegion = false;
    }
    m_view.update();
}

void ImageCommands::UseAsTexture() {
    if (!m_image.HasDisplayed()) {
        return;
    }
    WaitCursor wait;
    m_view.UseAsTexture(m_image.Displayed());
}

void ImageCommands::Restore() {
    if (!m_image.HasImage()) {
        return;
    }
    m_image.Restore(m_view.width(), m_view.height());
    m_view.update();
}

void ImageCommands::Close() {
    m_image.Close();
    m_view.unsetCursor();
    m_view.update();
}

void ImageCommands::ConvertToBitmap(CPlomDoc& doc) {
    if (!m_image.HasDisplayed()) {
        ShowMessage("请先打开或粘贴一幅图象!");
        return;
    }
    const PixelBuffer& pixels = m_image.Displayed();
    auto text = std::make_unique<CBitText>(pixels.width, pixels.height, BitmapFromPixels(pixels));
    // Black bits on the default black background would vanish: the text takes the colour that
    // typed texts take.
    text->m_color = doc.Settings().m_textColor;
    doc.CurrentPage().AddSolid(std::move(text));
    doc.CommandProcessor().AddCommand(std::make_unique<CCmdAddTis>(1, doc, "添加文本"));
    Close();
    doc.SetModifiedFlag(true);
    doc.Refresh(kHintSolids);
}

bool ImageCommands::SaveRegion(const QString& path) {
    StopTimer();
    if (m_image.RegionIsEmpty()) {
        return false;
    }
    return SaveImageFile(GrabRegion(), path);
}

void ImageCommands::CopyRegion() {
    if (m_image.RegionIsEmpty()) {
        return;
    }
    QGuiApplication::clipboard()->setImage(GrabRegion());
    m_view.update();
}

bool ImageCommands::SaveView(const QString& path) {
    StopTimer();
    return SaveImageFile(GrabWithoutRegionFrame(), path);
}

bool ImageCommands::PressLeftButton(const QPoint& at) {
    if (!m_image.m_bRegion) {
        return false;
    }
    m_image.PressRegion(at);
    return true;
}

bool ImageCommands::DragLeftButton(const QPoint& at, int dx, int dy) {
    if (m_image.m_bMoveImage) {
        m_image.MoveBy(dx, dy);
        return true;
    }
    if (!m_image.m_bRegion) {
        return false;
    }
    m_image.DragRegion(at);
    if (m_image.m_bAspectLock) {
        m_image.KeepAspect();
    }
    if (m_regionStatus) {
        const RegionCorners& region = m_image.Region();
        m_regionStatus(QString::asprintf("w =%4d,h =%4d", region.Width(), region.Height()));
    }
    return true;
}

void ImageCommands::SetAspectLock(bool locked) {
    m_image.m_bAspectLock = locked;
    if (locked && m_image.m_bRegion) {
        m_image.KeepAspect();
        m_view.update();
    }
}

bool ImageCommands::IsEnabled(int commandId) const {
    switch (commandId) {
        case cmd::kOpenImage:
        case cmd::kSelectRegion:
        case cmd::kSetRegionSize:
            return true;
        case cmd::kPasteImage:
            return ClipboardHoldsBitmap();
        case cmd::kSaveRegion:
            // A picture of the figure alone is worth saving too.
            return m_image.HasImage() || m_image.m_bRegion;
        default:
            return m_image.HasImage();
    }
}

bool ImageCommands::IsChecked(int commandId) const {
    switch (commandId) {
        case cmd::kShowImage:
            return m_image.m_bShowImage;
        case cmd::kMoveImage:
            return m_image.m_bMoveImage;
        case cmd::kCropImage:
            return m_image.m_bCrop;
        case cmd::kSelectRegion:
            return m_image.m_bRegion;
        default:
            return false;
    }
}

void ImageCommands::StopTimer() {
    if (m_view.Control().m_bTimerOn) {
        m_view.StartStop();
    }
}

QImage ImageCommands::GrabWithoutRegionFrame() {
    const bool region = std::exchange(m_image.m_bRegion, false);
    QImage frame = m_view.grabFramebuffer();
    m_image.m_bRegion = region;
    m_view.update();
    return frame;
}

QImage ImageCommands::GrabRegion() {
    const RegionCorners& r = m_image.Region();
    const QRect rect(std::min(r.left, r.right), std::min(r.top, r.bottom), r.Width(), r.Height());
    const QImage frame = GrabWithoutRegionFrame();
    const qreal ratio = frame.devicePixelRatio();
    return frame.copy(QRect(rect.topLeft() * ratio, rect.size() * ratio))
        .convertToFormat(QImage::Format_RGB888);
}

}  // namespace velnor
