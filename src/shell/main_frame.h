#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

#include "buttons/button_press.h"

class QDockWidget;
class QLabel;
class QSplitter;
class QToolBar;

namespace velnor {

class AutoSave;
class CGlSetDlg;
class CPlomDoc;
class CPlomView;
class CommandActions;
class DocumentFiles;
class FrameDocumentViews;
class FrameWindowCommands;
class HelpWindow;
class InputLine;
class ManagerTree;
class MessageBoxSink;
class NotesPane;
class PushButtonWindows;
class QtTextRenderer;
class SystemClipboard;
class WindowScriptRunner;
class TextCommands;

// The main window: the notes pane and the 3D view side by side, the menus, the main toolbar and
// the view toolbar 控制条, the status bar, and the manager bar with its 目录 and 设置 tabs. It owns
// the document and connects the core's seams to its windows.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;

    CPlomDoc& Document() { return *m_doc; }
    CPlomView& View() { return *m_view; }
    NotesPane& Notes() { return *m_notes; }
    ManagerTree& Tree() { return *m_tree; }
    CGlSetDlg& Settings() { return *m_settings; }
    CommandActions& Actions() { return *m_actions; }
    DocumentFiles& Files() { return *m_files; }
    QToolBar& MainToolBar() { return *m_mainBar; }
    QToolBar& ViewToolBar() { return *m_viewBar; }
    QDockWidget& ManagerBar() { return *m_managerBar; }
    PushButtonWindows& ButtonWindows() { return *m_buttonWindows; }
    InputLine& Input() { return *m_input; }
    WindowScriptRunner& ScriptRunner() { return *m_scriptRunner; }
    TextCommands& Texts();

    // The document file named on the command line, opened once the view is ready; a file that
    // cannot be read ends the program after its message.
    void OpenAtStart(const QString& path);

    // Offers the documents of a crashed run once the view is ready.
    void RecoverAtStart() { m_bRecoverAtStart = true; }
    AutoSave& Recovery() { return *m_autoSave; }
    // A click on the current page's action button `key`.
    PressOutcome PressButton(uint16_t key);

    // The status-bar pane of the page name.
    void ShowPageName(const QString& name);
    QString PageName() const;
    void UpdateTitle();

    // The frame's own commands.
    void ToggleFullScreen();
    void EndFullScreen();
    bool IsFullScreenMode() const { return m_bFullScreen; }
    void ToggleManagerBar();
    void ToggleViewToolBar();
    void ToggleMainToolBar();
    void ToggleStatusBar();
    void OpenNotesPane();
    void NextPreset();
    void SwitchPane();
    void ShowAbout();
    void ShowHelpTopics();
    void ShowHelpHome();
    // The help window, or null before help was first asked for.
    HelpWindow* Help() const { return m_help; }

signals:
    // The view is ready and the file named on the command line is open.
    void Started();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildPanes();
    void BuildToolBars();
    void BuildStatusBar();
    void BuildManagerBar();
    void AddFrameKeys();
    void InstallSeams();
    void ConnectMouseTools();
    void AfterDocumentReplaced();
    void FloatViewToolBar();
    void StartAutoSave();
    HelpWindow& HelpWindowMade();

    std::unique_ptr<CPlomDoc> m_doc;
    QSplitter* m_splitter = nullptr;
    NotesPane* m_notes = nullptr;
    CPlomView* m_view = nullptr;
    InputLine* m_input = nullptr;
    ManagerTree* m_tree = nullptr;
    CGlSetDlg* m_settings = nullptr;
    QDockWidget* m_managerBar = nullptr;
    QToolBar* m_mainBar = nullptr;
    QToolBar* m_viewBar = nullptr;
    QLabel* m_pageLabel = nullptr;
    QLabel* m_regionLabel = nullptr;
    CommandActions* m_actions = nullptr;
    DocumentFiles* m_files = nullptr;
    HelpWindow* m_help = nullptr;
    AutoSave* m_autoSave = nullptr;
    std::unique_ptr<MessageBoxSink> m_messages;
    std::unique_ptr<PushButtonWindows> m_buttonWindows;
    std::unique_ptr<SystemClipboard> m_clipboard;
    std::unique_ptr<FrameDocumentViews> m_documentViews;
    std::unique_ptr<FrameWindowCommands> m_windowCommands;
    std::unique_ptr<WindowScriptRunner> m_scriptRunner;
    std::unique_ptr<QtTextRenderer> m_textRenderer;
    QString m_strStartFile;
    bool m_bRecoverAtStart = false;
    int m_nPreset = 0;
    bool m_bFullScreen = false;
    // The layout that leaving full screen brings back.
    QByteArray m_savedGeometry;
    QRect m_savedPlace;  // exactly, for a screen with no window manager
    QByteArray m_savedState;
    QByteArray m_savedPanes;
    Qt::WindowStates m_savedWindowState;
    bool m_bStatusBarShown = true;
};

}  // namespace velnor
