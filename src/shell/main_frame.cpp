#include "shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "commands/clipboard_seam.h"
#include "commands/command_ids.h"
#include "model/button_window_seam.h"
#include "model/display_presets.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "model/message_seam.h"
#include "model/text_renderer_seam.h"
#include "richtext/qt_text_renderer.h"
#include "shell/action_state_refresh.h"
#include "shell/auto_save.h"
#include "shell/auto_save_field.h"
#include "shell/command_actions.h"
#include "shell/document_files.h"
#include "shell/frame_document_views.h"
#include "shell/frame_window_commands.h"
#include "shell/help/about_dialog.h"
#include "shell/help/help_window.h"
#include "shell/input_line.h"
#include "shell/lock_key_indicators.h"
#include "shell/manager_tree.h"
#include "shell/message_box_sink.h"
#include "shell/notes_pane.h"
#include "shell/push_button_windows.h"
#include "shell/recovery_offer.h"
#include "shell/settings_bar.h"
#include "shell/system_clipboard.h"
#include "shell/text_format_bar.h"
#include "shell/toolbar_layout.h"
#include "shell/view_figure.h"
#include "shell/view_room.h"
#include "shell/window_script_runner.h"
#include "view/mouse_tools.h"
#include "view/plom_view.h"

namespace velnor {

namespace {

const QString kIdleText =
    QStringLiteral("F1:帮助主题 F2:示例文件 F3:视口切换 F4:显示模式 F5:透视类型");
constexpr int kFloatingBarX = 300;

}  // namespace

CMainFrame::CMainFrame() : m_doc(std::make_unique<CPlomDoc>()) {
    setObjectName(QStringLiteral("MainFrame"));
    m_messages = std::make_unique<MessageBoxSink>(this);
    SetMessageSink(m_messages.get());
    m_scriptRunner = std::make_unique<WindowScriptRunner>(*this);
    BuildPanes();
    m_documentViews = std::make_unique<FrameDocumentViews>(*this);
    m_windowCommands = std::make_unique<FrameWindowCommands>(*this);
    m_buttonWindows =
        std::make_unique<PushButtonWindows>(*m_view, [this](uint16_t key) { PressButton(key); });
    m_clipboard = std::make_unique<SystemClipboard>();
    m_textRenderer = std::make_unique<QtTextRenderer>();
    BuildManagerBar();
    new ViewRoom(*this, *m_managerBar, *m_splitter);
    m_files = new DocumentFiles(
        *m_doc, *m_notes, *this,
        [this](const QString& path) { return m_windowCommands->Images().SaveView(path); },
        [this](const QString& path) { return ExportViewFigure(path, *m_doc, *m_view); });
    m_actions = new CommandActions(*m_doc, *this);
    m_actions->SetViewFirst(&m_windowCommands->Images());
    if (QAction* recent = m_actions->Action(cmd::kRecentFile)) {
        recent->setMenu(&m_files->RecentMenu());
    }
    BuildToolBars();
    BuildStatusBar();
    StartAutoSave();
    AddFrameKeys();
    InstallSeams();

    connect(m_files, &DocumentFiles::PathChanged, this, &CMainFrame::UpdateTitle);
    connect(m_files, &DocumentFiles::DocumentReplaced, this, &CMainFrame::AfterDocumentReplaced);
    connect(m_notes, &NotesPane::Edited, this, [this] { m_doc->SetModifiedFlag(); });
    m_view->SetButtonStepper([this] { return TickButtonAnimation(m_doc->CurrentPage()); });
    ConnectMouseTools();
    new ActionStateRefresh(*m_actions, *m_view, this);

    m_doc->OnNewDocument();
    m_doc->SetModifiedFlag(false);
    AfterDocumentReplaced();
    setAcceptDrops(true);
    // The OpenGL set-up settles some settings (the texture index), and a file's page components
    // are compiled into display lists, so both wait for the view's context.
    m_view->WhenReady([this] {
        m_settings->SyncFromSettings();
        if (!m_strStartFile.isEmpty() && !m_files->OpenPath(m_strStartFile)) {
            QApplication::exit(1);
            return;
        }
        if (m_bRecoverAtStart) {
            OfferRecovery(*this, *m_files, *m_autoSave);
        }
        emit Started();
    });
}

void CMainFrame::OpenAtStart(const QString& path) {
    m_strStartFile = path;
}

CMainFrame::~CMainFrame() {
    // The document's last words (button windows of its page) must not reach windows being torn
    // down, and the seams must not outlive this window.
    m_doc->DeleteContents();
    // The actions let go of the document's undo menu as they end, so they go while it is there
    // (children of the window would outlive the document).
    delete m_actions;
    m_actions = nullptr;
    SetWindowCommands(nullptr);
    SetDocumentViews(nullptr);
    SetButtonWindows(nullptr);
    SetClipboard(nullptr);
    SetTextRenderer(nullptr);
    // A sink installed over this one (a test's recorder) stays.
    IMessageSink* current = SetMessageSink(nullptr);
    if (current != m_messages.get()) {
        SetMessageSink(current);
    }
}

void CMainFrame::InstallSeams() {
    SetDocumentViews(m_documentViews.get());
    SetWindowCommands(m_windowCommands.get());
    SetButtonWindows(m_buttonWindows.get());
    SetClipboard(m_clipboard.get());
    SetTextRenderer(m_textRenderer.get());
}

void CMainFrame::StartAutoSave() {
    m_autoSave = new AutoSave([this] { return m_files->Snapshot(); },
                              [this] { return m_doc->IsModified(); }, this);
    connect(m_files, &DocumentFiles::Saved, m_autoSave, &AutoSave::Discard);
    connect(m_files, &DocumentFiles::DocumentReplaced, m_autoSave, &AutoSave::Discard);
    connect(m_files, &DocumentFiles::PathChanged, m_autoSave,
            [this] { m_autoSave->SetDocumentPath(m_files->Path(), m_files->Title()); });
    connect(m_autoSave, &AutoSave::Failed, this, [this](const QString& reason) {
        statusBar()->showMessage(QStringLiteral("自动保存失败：") + reason);
    });
    m_settings->AddProgramGroup(new AutoSaveField(*m_autoSave));
}

void CMainFrame::BuildPanes() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    // The notes pane with its format bar above it.
    auto* notesPanel = new QWidget(m_splitter);
    m_notes = new NotesPane(notesPanel);
    m_notes->setAcceptDrops(false);
    auto* notesLayout = new QVBoxLayout(notesPanel);
    notesLayout->setContentsMargins(0, 0, 0, 0);
    notesLayout->setSpacing(0);
    notesLayout->addWidget(new TextFormatBar(*m_notes, notesPanel));
    notesLayout->addWidget(m_notes, 1);
    // The input line sits under the view, in the view's pane.
    auto* viewPane = new QWidget(m_splitter);
    m_view = new CPlomView(m_doc->Settings(), viewPane);
    m_view->setAcceptDrops(false);
    m_input = new InputLine(*m_scriptRunner, viewPane);
    auto* column = new QVBoxLayout(viewPane);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_view, 1);
    column->addWidget(m_input);
    m_splitter->addWidget(notesPanel);
    m_splitter->addWidget(viewPane);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({220, 1000});
    setCentralWidget(m_splitter);
}

void CMainFrame::BuildManagerBar() {
    m_managerBar = new QDockWidget(QStringLiteral("管理器"), this);
    m_managerBar->setObjectName(QStringLiteral("ManagerBar"));
    m_managerBar->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* tabs = new QTabWidget(m_managerBar);
    m_tree = new ManagerTree(*m_doc, tabs);
    m_settings = new CGlSetDlg(m_doc->Settings(), *m_doc, *m_view, tabs);
    // The settings are taller than a small screen: they scroll instead of making the window
    // taller than the screen.
    auto* settingsPane = new QScrollArea(tabs);
    settingsPane->setFrameShape(QFrame::NoFrame);
    settingsPane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settingsPane->setWidgetResizable(true);
    settingsPane->setWidget(m_settings);
    settingsPane->setMinimumWidth(m_settings->minimumSizeHint().width() +
                                  settingsPane->verticalScrollBar()->sizeHint().width());
    tabs->addTab(m_tree, QStringLiteral("目录"));
    tabs->addTab(settingsPane, QStringLiteral("设置"));
    m_managerBar->setWidget(tabs);
    m_managerBar->setMinimumWidth(200);
    addDockWidget(Qt::LeftDockWidgetArea, m_managerBar);
    resizeDocks({m_managerBar}, {200}, Qt::Horizontal);
}

void CMainFrame::BuildToolBars() {
    m_mainBar = addToolBar(QStringLiteral("工具栏"));
    m_mainBar->setObjectName(QStringLiteral("MainToolBar"));
    FillToolBar(*m_mainBar, MainToolBarButtons(), *m_actions, *m_doc);
    addToolBarBreak();
    m_viewBar = addToolBar(QStringLiteral("控制条"));
    m_viewBar->setObjectName(QStringLiteral("ViewToolBar"));
    FillToolBar(*m_viewBar, ViewToolBarButtons(), *m_actions, *m_doc);
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    m_pageLabel = new QLabel(QStringLiteral("  第一页            "), bar);
    m_regionLabel = new QLabel(bar);
    m_regionLabel->setMinimumWidth(80);
    m_view->Images().SetRegionStatusSink(
        [this](const QString& text) { m_regionLabel->setText(text); });
    bar->addPermanentWidget(m_pageLabel);
    bar->addPermanentWidget(m_regionLabel);
    new LockKeyIndicators(*bar);
    bar->showMessage(kIdleText);
    // The prompt of a menu item shows while it is highlighted; the idle text comes back after.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
        if (text.isEmpty()) {
            bar->showMessage(kIdleText);
        }
    });
}

void CMainFrame::AddFrameKeys() {
    const auto add = [this](int id, QKeySequence key) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, id] { m_windowCommands->Run(id, {}); });
        addAction(action);
    };
    add(cmd::kEndFullScreen, QKeySequence(Qt::Key_Escape));
    add(cmd::kNextPreset, QKeySequence(Qt::Key_F4));
    add(cmd::kCycleProjection, QKeySequence(Qt::Key_F5));
    add(cmd::kNextPane, QKeySequence(Qt::Key_F6));
    add(cmd::kPreviousPane, QKeySequence(Qt::SHIFT | Qt::Key_F6));
}

void CMainFrame::ConnectMouseTools() {
    MouseTools& tools = m_view->Tools();
    tools.SetDocument(m_doc.get());
    tools.SetCommandRunner([this](int id) { m_actions->Run(id); });
    tools.SetPageStatusSink([this](const std::string& text) {
        ShowPageName(QString::fromStdString(text));
        m_tree->ShowSelection();  // a click in the view changes the selection
    });
    // Switching pages hands the mouse back to the selection tool.
    const auto selectTool = [&tools] { tools.SelectTool(); };
    for (const int id : {cmd::kPreviousPage, cmd::kNextPage, cmd::kNewPage}) {
        connect(m_actions->Action(id), &QAction::triggered, this, selectTool);
    }
    connect(m_tree, &ManagerTree::PageSwitched, this, selectTool);
    // Undo may take away vertices that the pencil's chain still names.
    connect(m_actions->Action(cmd::kUndo), &QAction::triggered, this,
            [this] { m_view->Tools().ResetPencil(); });
}

void CMainFrame::AfterDocumentReplaced() {
    m_view->InitialUpdate();
    m_tree->Rebuild();
    const CGpage& page = m_doc->CurrentPage();
    m_documentViews->PageChanged(page, m_doc->m_bPageSelected);
    m_settings->SyncFromSettings();
    m_actions->UpdateStates();
    UpdateTitle();
}

PressOutcome CMainFrame::PressButton(uint16_t key) {
    const PressOutcome outcome = PressCurrentPageButton(*m_doc, key);
    if (outcome == PressOutcome::kStarted) {
        m_view->StartButtonAnimation();
    }
    m_view->update();
    return outcome;
}

void CMainFrame::ShowPageName(const QString& name) {
    m_pageLabel->setText(name);
}

TextCommands& CMainFrame::Texts() {
    return m_windowCommands->Texts();
}

QString CMainFrame::PageName() const {
    return m_pageLabel->text();
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(m_files->Title() + QStringLiteral("[*] - Velnor"));
    setWindowModified(m_doc->IsModified());
}

void CMainFrame::ToggleFullScreen() {
    if (m_bFullScreen) {
        EndFullScreen();
        return;
    }
    m_savedGeometry = saveGeometry();
    m_savedPlace = geometry();
    m_savedState = saveState();
    m_savedPanes = m_splitter->saveState();
    m_savedWindowState = windowState();
    m_bStatusBarShown = statusBar()->isVisible();
    m_bFullScreen = true;
    m_managerBar->hide();
    m_mainBar->hide();
    menuBar()->hide();
    statusBar()->hide();
    m_input->hide();
    m_splitter->setSizes({0, 600});
    FloatViewToolBar();
    showFullScreen();
    // Where no window manager answers the request, the window takes the screen itself.
    setGeometry(screen()->geometry());
}

// The view toolbar floats near the top of the screen, over the view.
void CMainFrame::FloatViewToolBar() {
    removeToolBar(m_viewBar);
    m_viewBar->setParent(this, Qt::Tool | Qt::FramelessWindowHint);
    m_viewBar->move(kFloatingBarX, 0);
    m_viewBar->show();
}

void CMainFrame::EndFullScreen() {
    if (!m_bFullScreen) {
        return;
    }
    m_bFullScreen = false;
    setWindowState(m_savedWindowState);
    m_input->show();
    restoreGeometry(m_savedGeometry);
    if (!(m_savedWindowState & Qt::WindowMaximized)) {
        setGeometry(m_savedPlace);
    }
    menuBar()->show();
    statusBar()->setVisible(m_bStatusBarShown);
    addToolBar(Qt::TopToolBarArea, m_viewBar);
    // The manager docks on the left again even where full screen floated it.
    addDockWidget(Qt::LeftDockWidgetArea, m_managerBar);
    m_managerBar->setFloating(false);
    restoreState(m_savedState);
    m_splitter->restoreState(m_savedPanes);
}

void CMainFrame::ToggleManagerBar() {
    if (m_managerBar->isVisible()) {
        m_managerBar->hide();
        return;
    }
    if (m_bFullScreen) {
        m_managerBar->setFloating(true);
        m_managerBar->move(10, 10);
    }
    m_managerBar->show();
}

void CMainFrame::ToggleViewToolBar() {
    m_viewBar->setVisible(!m_viewBar->isVisible());
}
void CMainFrame::ToggleMainToolBar() {
    m_mainBar->setVisible(!m_mainBar->isVisible());
}
void CMainFrame::ToggleStatusBar() {
    statusBar()->setVisible(!statusBar()->isVisible());
}

void CMainFrame::OpenNotesPane() {
    m_splitter->setSizes({400, 300});
    m_notes->setFocus();
}

void CMainFrame::NextPreset() {
    m_nPreset = NextPresetInCycle(m_nPreset);
    m_settings->ApplyPreset(m_nPreset);
    m_view->SetPage(&m_doc->CurrentPage(),
                    m_nPreset == kPresetCamouflage || m_doc->m_bSmoothShading);
}

void CMainFrame::SwitchPane() {
    if (m_view->hasFocus()) {
        m_notes->setFocus();
    } else {
        m_view->setFocus();
    }
}

void CMainFrame::ShowAbout() {
    AboutDialog(this).exec();
}

void CMainFrame::ShowHelpTopics() {
    HelpWindowMade().ShowTopics();
}

void CMainFrame::ShowHelpHome() {
    HelpWindowMade().ShowHome();
}

HelpWindow& CMainFrame::HelpWindowMade() {
    if (m_help == nullptr) {
        m_help = new HelpWindow(this);
    }
    return *m_help;
}

bool CMainFrame::event(QEvent* event) {
    // The command keys belong to this window: it takes the keyboard back when it appears and when
    // a dialog or message box it opened closes, even where no window manager hands it back.
    const bool takeKeys =
        event->type() == QEvent::Show ||
        (event->type() == QEvent::WindowUnblocked && QApplication::activeWindow() == nullptr);
    const bool handled = QMainWindow::event(event);
    if (takeKeys) {
        activateWindow();
    }
    return handled;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_files->SaveModified()) {
        m_autoSave->Discard();
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) {
        return;
    }
    event->acceptProposedAction();
    if (m_files->SaveModified()) {
        m_files->OpenPath(urls.front().toLocalFile());
    }
}

}  // namespace velnor
