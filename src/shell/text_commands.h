#pragma once

namespace velnor {

class CMainFrame;
class FindDialog;
class ReplaceDialog;

// The commands of texts and notes that the windows carry out: 添加文本 and the properties of a
// rich text open the text editor 文本编辑; 查找, 替换 and 选择性粘贴 act on the notes pane
// (选择性粘贴 on the figure while the 3D view is active).
class TextCommands {
public:
    explicit TextCommands(CMainFrame& frame) : m_frame(frame) {}

    static bool Handles(int commandId);
    // Runs one of those commands; false for any other.
    bool Run(int commandId);

    FindDialog* Find() const { return m_find; }
    ReplaceDialog* Replace() const { return m_replace; }

private:
    void AddText();
    void EditSelectedText();
    void OpenFind();
    void OpenReplace();
    void PasteSpecial();

    CMainFrame& m_frame;
    // Children of the main window, made at first use and kept while it lives.
    FindDialog* m_find = nullptr;
    ReplaceDialog* m_replace = nullptr;
};

}  // namespace velnor
