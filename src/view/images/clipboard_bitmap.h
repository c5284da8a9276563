#pragma once

#include <QImage>

#include <optional>

#include "view/images/pixel_buffer.h"

class QMimeData;

namespace velnor {

// Whether the clipboard holds a bitmap that 粘帖图象 could take.
bool HoldsBitmap(const QMimeData* data);

// Whether the system clipboard holds such a bitmap. Menus ask on every change of state, and each
// question is a round trip to the display server: the answer is kept until the clipboard changes.
bool ClipboardHoldsBitmap();

// The clipboard's bitmap in the buffer layout. Only 32-bit bitmaps are taken; the refusals
// ("不能打开剪贴板!", "无法取得剪贴板数据,不能完成粘贴! ", "图象格式不合,不能完成粘贴!",
// "内存不够,不能完成粘贴!") are shown here.
std::optional<PixelBuffer> PasteBitmap(const QMimeData* data);

}  // namespace velnor
