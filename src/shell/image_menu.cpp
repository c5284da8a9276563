#include "shell/image_menu.h"

#include <QClipboard>
#include <QGuiApplication>

#include "commands/command_error.h"
#include "commands/command_ids.h"
#include "commands/command_params.h"
#include "geometry/text_format.h"
#include "shell/chinese_file_dialog.h"
#include "shell/dialogs/region_size_dialog.h"
#include "shell/save_file_dialog.h"
#include "view/images/clipboard_bitmap.h"
#include "view/images/image_files.h"
#include "view/images/view_image.h"
#include "view/plom_view.h"

namespace velnor {

namespace {

bool IsImageCommand(int commandId) {
    switch (commandId) {
        case cmd::kOpenImage:
        case cmd::kShowImage:
        case cmd::kSelectRegion:
        case cmd::kSaveRegion:
        case cmd::kUseAsTexture:
        case cmd::kMoveImage:
        case cmd::kScaleImage:
        case cmd::kCropImage:
        case cmd::kRestoreImage:
        case cmd::kImageToBitmap:
        case cmd::kPasteImage:
        case cmd::kCloseImage:
        case cmd::kSetRegionSize:
            return true;
        default:
            return false;
    }
}

const QList<SaveFileType>& RegionFileTypes() {
    static const QList<SaveFileType> types{{QStringLiteral("bmp (*.bmp)"), QStringLiteral("bmp")},
                                           {QStringLiteral("jpg (*.jpg)"), QStringLiteral("jpg")},
                                           {QStringLiteral("gif (*.gif)"), QStringLiteral("gif")},
                                           {QStringLiteral("png (*.png)"), QStringLiteral("png")}};
    return types;
}

const QMimeData* ClipboardData() {
    return QGuiApplication::clipboard() ? QGuiApplication::clipboard()->mimeData() : nullptr;
}

}  // namespace

bool ImageMenu::Run(int commandId, const CommandParams& params) {
    if (!IsImageCommand(commandId)) {
        return false;
    }
    ImageCommands& images = m_view.Images();
    const QString file = QString::fromStdString(params.Text("file", ""));
    switch (commandId) {
        case cmd::kOpenImage:
            OpenImage(file);
            break;
        case cmd::kPasteImage:
            images.Paste(ClipboardData());
            break;
        case cmd::kShowImage:
            images.ToggleShow();
            break;
        case cmd::kMoveImage:
            images.ToggleMove();
            break;
        case cmd::kSelectRegion:
            images.ToggleRegion();
            break;
        case cmd::kSetRegionSize:
            SetRegionSize(params);
            break;
        case cmd::kScaleImage:
            images.ScaleIntoRegion();
            break;
        case cmd::kCropImage:
            images.ToggleCrop();
            break;
        case cmd::kUseAsTexture:
            images.UseAsTexture();
            break;
        case cmd::kRestoreImage:
            images.Restore();
            break;
        case cmd::kSaveRegion:
            SaveRegion(file);
            break;
        case cmd::kCloseImage:
            images.Close();
            break;
        case cmd::kImageToBitmap:
            images.ConvertToBitmap(m_doc);
            break;
    }
    return true;
}

std::optional<bool> ImageMenu::IsEnabled(int commandId) const {
    if (!IsImageCommand(commandId)) {
        return std::nullopt;
    }
    return m_view.Images().IsEnabled(commandId);
}

std::optional<bool> ImageMenu::IsChecked(int commandId) const {
    if (!IsImageCommand(commandId)) {
        return std::nullopt;
    }
    return m_view.Images().IsChecked(commandId);
}

bool ImageMenu::RunInsteadOfDocument(int commandId) {
    const bool region = m_view.Images().Image().m_bRegion;
    switch (commandId) {
        case cmd::kCopy:
            if (region) {
                m_view.Images().CopyRegion();
            }
            return region;
        case cmd::kClear:
            return region;
        case cmd::kPaste:
            return HoldsBitmap(ClipboardData()) && m_view.Images().Paste(ClipboardData());
        default:
            return false;
    }
}

std::optional<bool> ImageMenu::EnabledInsteadOfDocument(int commandId) const {
    const bool region = m_view.Images().Image().m_bRegion;
    if (commandId == cmd::kCopy && region) {
        return true;
    }
    if (commandId == cmd::kClear && region) {
        return false;
    }
    if (commandId == cmd::kPaste && ClipboardHoldsBitmap()) {
        return true;
    }
    return std::nullopt;
}

bool ImageMenu::SaveView(const QString& path) {
    return m_view.Images().SaveView(path);
}

void ImageMenu::OpenImage(const QString& file) {
    const QString path = file.isEmpty() ? AskOpenFileName(&m_window, QStringLiteral("打开图象"),
                                                          QString::fromUtf8(kOpenImageFilter))
                                        : file;
    if (!path.isEmpty() && !m_view.Images().Open(path) && !file.isEmpty()) {
        throw CommandError("没有打开 " + file.toStdString());
    }
}

void ImageMenu::SetRegionSize(const CommandParams& params) {
    const CViewImage& image = m_view.Images().Image();
    const RegionSize current{image.m_nRegionW, image.m_nRegionH};
    if (!params.Has("width") && !params.Has("height")) {
        if (const auto size = AskRegionSize(current, &m_window)) {
            m_view.Images().SetRegionSize(size->width, size->height);
        }
        return;
    }
    const RegionSize size{params.Integer("width", current.width),
                          params.Integer("height", current.height)};
    for (const int side : {size.width, size.height}) {
        if (side < 1 || side > CViewImage::kLargestRegionSide) {
            throw CommandError(RangeRefusal(1, CViewImage::kLargestRegionSide, true));
        }
    }
    m_view.Images().SetRegionSize(size.width, size.height);
}

void ImageMenu::SaveRegion(const QString& file) {
    if (m_view.Images().Image().RegionIsEmpty()) {
        return;
    }
    const QString path = file.isEmpty() ? AskSaveFile(&m_window, QStringLiteral("保存截图"),
                                                      RegionFileTypes(), QStringLiteral("PlImg"))
                                              .path
                                        : WithExtension(file, RegionFileTypes().front().extension);
    if (!path.isEmpty() && !m_view.Images().SaveRegion(path) && !file.isEmpty()) {
        throw CommandError("没有保存 " + file.toStdString());
    }
}

}  // namespace velnor
