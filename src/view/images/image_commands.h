#pragma once

#include <QImage>
#include <QString>

#include <functional>

#include "view/images/view_image.h"

class QMimeData;
class QPoint;

namespace velnor {

class CPlomDoc;
class CPlomView;

// What the 图文 commands do to the view's image: loading, pasting, showing, moving, the region
// selection, scaling and cropping, textures, bitmaps and saving pictures of the view. The shell
// asks for file names and sizes and then calls these.
class ImageCommands {
public:
    explicit ImageCommands(CPlomView& view) : m_view(view) {}

    CViewImage& Image() { return m_image; }
    const CViewImage& Image() const { return m_image; }

    // Receives "w =%4d,h =%4d" while the region is dragged (the status-bar pane of the region).
    void SetRegionStatusSink(std::function<void(const QString&)> sink) {
        m_regionStatus = std::move(sink);
    }

    // 打开图象 with the chosen file: on success the image is centred and shown; on failure the
    // message is shown and the current image is removed.
    bool Open(const QString& path);
    // 粘帖图象.
    bool Paste(const QMimeData* clipboard);
    void ToggleShow();    // 显示图象
    void ToggleMove();    // 移动图象
    void ToggleRegion();  // 选择区域
    // 设置区域...: the preset size, then 选择区域.
    void SetRegionSize(int width, int height);
    void ScaleIntoRegion();  // 缩放图象
    void ToggleCrop();       // 裁剪图象
    void UseAsTexture();     // 用于贴图
    void Restore();          // 图象复原
    void Close();            // 关闭图象
    // 转为位图: a bitmap text of the image on the current page, one undoable "添加文本".
    void ConvertToBitmap(CPlomDoc& doc);
    // 保存截图 with the chosen file.
    bool SaveRegion(const QString& path);
    // 复制 while the region is selected: the region as a picture on the clipboard.
    void CopyRegion();
    // 另存为 with a picture's file type: the whole view.
    bool SaveView(const QString& path);

    // Region selection ends when any animation starts, and with 点选图元 and 铅笔 (which end image
    // moving too).
    void EndRegion();
    void EndRegionAndMoving();

    // The mouse, while the image moves or the region is selected. Return whether they took it.
    bool PressLeftButton(const QPoint& at);
    bool DragLeftButton(const QPoint& at, int dx, int dy);
    // Shift held or let go: the region keeps the loaded image's aspect while it is held.
    void SetAspectLock(bool locked);

    bool IsEnabled(int commandId) const;
    bool IsChecked(int commandId) const;

private:
    void StopTimer();
    // The view as drawn without the red frame of the region.
    QImage GrabWithoutRegionFrame();
    QImage GrabRegion();

    CPlomView& m_view;
    CViewImage m_image;
    std::function<void(const QString&)> m_regionStatus;
};

}  // namespace velnor
