#pragma once

#include <optional>

class QString;
class QWidget;

namespace velnor {

class CPlomDoc;
class CPlomView;

// The 图文 commands that the view carries out, with the file dialogs and the region-size dialog
// they need; and 复制, 粘贴 and 清除, which a region selection or a bitmap on the clipboard takes
// away from the document.
class ImageMenu {
public:
    ImageMenu(CPlomView& view, CPlomDoc& doc, QWidget& window)
        : m_view(view), m_doc(doc), m_window(window) {}

    // False for ids that are not image commands.
    bool Run(int commandId);
    std::optional<bool> IsEnabled(int commandId) const;
    std::optional<bool> IsChecked(int commandId) const;

    // Before a document's edit command runs: whether the view took it (copying the region,
    // pasting a bitmap, clearing nothing while a region is selected).
    bool RunInsteadOfDocument(int commandId);
    // The enabled state of those commands while the view would take them.
    std::optional<bool> EnabledInsteadOfDocument(int commandId) const;

    // 另存为 with a picture's file type.
    bool SaveView(const QString& path);

private:
    void OpenImage();
    void SetRegionSize();
    void SaveRegion();

    CPlomView& m_view;
    CPlomDoc& m_doc;
    QWidget& m_window;
};

}  // namespace velnor
