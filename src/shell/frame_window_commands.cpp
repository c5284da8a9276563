#include "shell/frame_window_commands.h"

#include <QDockWidget>
#include <QStatusBar>
#include <QToolBar>

#include <map>
#include <optional>

#include "commands/command_error.h"
#include "commands/command_ids.h"
#include "model/document.h"
#include "shell/animation_recorder.h"
#include "shell/document_files.h"
#include "shell/frame_net_printing.h"
#include "shell/frame_printing.h"
#include "shell/main_frame.h"
#include "view/camera_control.h"
#include "view/mouse_tools.h"
#include "view/plom_view.h"
#include "view/projection.h"

namespace velnor {

namespace {

// 定义速度: command id to timer interval.
const std::map<int, int>& Speeds() {
    static const std::map<int, int> speeds = {
        {cmd::kSpeedFast, kIntervalFast},     {cmd::kSpeedFaster, kIntervalFaster},
        {cmd::kSpeedMedium, kIntervalMedium}, {cmd::kSpeedSlower, kIntervalSlower},
        {cmd::kSpeedSlow, kIntervalSlow},
    };
    return speeds;
}

const std::map<int, int>& Projections() {
    static const std::map<int, int> projections = {{cmd::kCentralProjection, kCentral},
                                                   {cmd::kOrthographicProjection, kOrthographic},
                                                   {cmd::kObliqueProjection, kOblique}};
    return projections;
}

const std::map<int, int>& LabelSizes() {
    static const std::map<int, int> sizes = {
        {cmd::kLargeLabels, 1}, {cmd::kMediumLabels, 2}, {cmd::kSmallLabels, 3}};
    return sizes;
}

int Lookup(const std::map<int, int>& table, int id) {
    const auto found = table.find(id);
    return found == table.end() ? -1 : found->second;
}

using ViewOperation = void (CPlomView::*)();

const std::map<int, ViewOperation>& ViewOperations() {
    static const std::map<int, ViewOperation> operations = {
        {cmd::kStartStop, &CPlomView::StartStop},
        {cmd::kReset, &CPlomView::Reset},
        {cmd::kRotateXForward, &CPlomView::RotateXForward},
        {cmd::kRotateXBackward, &CPlomView::RotateXBackward},
        {cmd::kRotateZForward, &CPlomView::RotateZForward},
        {cmd::kRotateZBackward, &CPlomView::RotateZBackward},
        {cmd::kRotateYForward, &CPlomView::RotateYForward},
        {cmd::kRotateYBackward, &CPlomView::RotateYBackward},
        {cmd::kRotateCustomAxis, &CPlomView::RotateCustomAxis},
        {cmd::kZoomIn, &CPlomView::ZoomIn},
        {cmd::kZoomOut, &CPlomView::ZoomOut},
        {cmd::kPanLeft, &CPlomView::PanLeft},
        {cmd::kPanRight, &CPlomView::PanRight},
        {cmd::kPanUp, &CPlomView::PanUp},
        {cmd::kPanDown, &CPlomView::PanDown},
        {cmd::kMoveNearer, &CPlomView::MoveNearer},
        {cmd::kMoveFarther, &CPlomView::MoveFarther},
        {cmd::kSpeedUp, &CPlomView::SpeedUp},
        {cmd::kSlowDown, &CPlomView::SlowDown},
        {cmd::kFrontView, &CPlomView::FrontView},
        {cmd::kTopView, &CPlomView::TopView},
        {cmd::kLeftView, &CPlomView::LeftView},
        {cmd::kThreeView, &CPlomView::ToggleThreeView},
        {cmd::kShowGrid, &CPlomView::ToggleAxes},
        {cmd::kCycleProjection, &CPlomView::CycleProjection},
    };
    return operations;
}

using FrameOperation = void (CMainFrame::*)();

const std::map<int, FrameOperation>& FrameOperations() {
    static const std::map<int, FrameOperation> operations = {
        {cmd::kFullScreen, &CMainFrame::ToggleFullScreen},
        {cmd::kEndFullScreen, &CMainFrame::EndFullScreen},
        {cmd::kManagerBar, &CMainFrame::ToggleManagerBar},
        {cmd::kControlBar, &CMainFrame::ToggleViewToolBar},
        {cmd::kToolBar, &CMainFrame::ToggleMainToolBar},
        {cmd::kStatusBar, &CMainFrame::ToggleStatusBar},
        {cmd::kOpenNotesPane, &CMainFrame::OpenNotesPane},
        {cmd::kNextPreset, &CMainFrame::NextPreset},
        {cmd::kNextPane, &CMainFrame::SwitchPane},
        {cmd::kPreviousPane, &CMainFrame::SwitchPane},
        {cmd::kHomePage, &CMainFrame::ShowHelpHome},
        {cmd::kAbout, &CMainFrame::ShowAbout},
        {cmd::kHelpTopics, &CMainFrame::ShowHelpTopics},
    };
    return operations;
}

using DocumentOperation = bool (DocumentFiles::*)();

const std::map<int, DocumentOperation>& DocumentOperations() {
    static const std::map<int, DocumentOperation> operations = {
        {cmd::kNewFile, &DocumentFiles::New},
        {cmd::kSave, &DocumentFiles::Save},
    };
    return operations;
}

// The commands whose only input is a file dialog. A script gives them `file` instead; the text
// says what did not happen when the file could not be used.
struct FileOperation {
    bool (DocumentFiles::*run)(const QString& file);
    const char* failure;
};

const std::map<int, FileOperation>& FileOperations() {
    static const std::map<int, FileOperation> operations = {
        {cmd::kImportNotes, {&DocumentFiles::ImportNotes, "没有打开 "}},
        {cmd::kExportNotes, {&DocumentFiles::ExportNotes, "没有保存 "}},
        {cmd::kOpenExample, {&DocumentFiles::OpenExample, "没有打开 "}},
        {cmd::kOpen, {&DocumentFiles::Open, "没有打开 "}},
        {cmd::kSaveAs, {&DocumentFiles::SaveAs, "没有保存 "}},
    };
    return operations;
}

bool IsPrintCommand(int commandId) {
    return commandId == cmd::kPrintSetup || commandId == cmd::kPrint ||
           commandId == cmd::kPrintPreview || commandId == cmd::kPrintNet;
}

}  // namespace

FrameWindowCommands::FrameWindowCommands(CMainFrame& frame)
    : m_frame(frame), m_images(frame.View(), frame.Document(), frame), m_texts(frame) {}

FrameWindowCommands::~FrameWindowCommands() = default;

void FrameWindowCommands::Run(int commandId, const CommandParams& params) {
    if (!m_texts.Run(commandId) && !RunViewCommand(commandId, params) &&
        !RunPrintCommand(commandId, params)) {
        RunShellCommand(commandId, params);
    }
}

bool FrameWindowCommands::RunPrintCommand(int commandId, const CommandParams& params) {
    if (!IsPrintCommand(commandId)) {
        return false;
    }
    if (commandId == cmd::kPrintNet) {
        if (!m_netPrinting) {
            m_netPrinting = std::make_unique<FrameNetPrinting>(m_frame);
        }
        m_netPrinting->Run(params);
        return true;
    }
    if (!m_printing) {
        m_printing = std::make_unique<FramePrinting>(m_frame);
    }
    switch (commandId) {
        case cmd::kPrintSetup:
            m_printing->PageSetup();
            break;
        case cmd::kPrint:
            if (params.Has("file")) {
                const QString error = m_printing->PrintToFile(
                    QString::fromStdString(params.Text("file", "")), params.Flag("all", false));
                if (!error.isEmpty()) {
                    throw CommandError(error.toStdString());
                }
            } else {
                m_printing->Print();
            }
            break;
        default:
            m_printing->Preview();
            break;
    }
    return true;
}

bool FrameWindowCommands::RunViewCommand(int commandId, const CommandParams& params) {
    CPlomView& view = m_frame.View();
    if (view.Tools().RunToolCommand(commandId) || m_images.Run(commandId, params)) {
        return true;
    }
    if (const auto found = ViewOperations().find(commandId); found != ViewOperations().end()) {
        (view.*(found->second))();
        return true;
    }
    if (const int projection = Lookup(Projections(), commandId); projection >= 0) {
        view.SetProjection(projection);
    } else if (const int interval = Lookup(Speeds(), commandId); interval >= 0) {
        view.SetInterval(interval);
    } else if (const int size = Lookup(LabelSizes(), commandId); size >= 0) {
        view.SetLabelSize(size);
    } else if (commandId == cmd::kDefineCustomAxis) {
        view.DefineCustomAxis();
    } else {
        return false;
    }
    return true;
}

bool FrameWindowCommands::RunShellCommand(int commandId, const CommandParams& params) {
    if (const auto found = FrameOperations().find(commandId); found != FrameOperations().end()) {
        (m_frame.*(found->second))();
        return true;
    }
    if (const auto found = DocumentOperations().find(commandId);
        found != DocumentOperations().end()) {
        (m_frame.Files().*(found->second))();
        return true;
    }
    if (const auto found = FileOperations().find(commandId); found != FileOperations().end()) {
        const std::string file = params.Text("file", "");
        if (!(m_frame.Files().*(found->second.run))(QString::fromStdString(file)) &&
            !file.empty()) {
            throw CommandError(found->second.failure + file);
        }
        return true;
    }
    if (commandId == cmd::kExit) {
        m_frame.close();
        return true;
    }
    if (commandId == cmd::kRecordAnimation) {
        RecordViewAnimation(m_frame);
        return true;
    }
    return false;
}

bool FrameWindowCommands::IsEnabled(int commandId) const {
    if (TextCommands::Handles(commandId)) {
        return true;
    }
    if (m_frame.View().Tools().IsToolChecked(commandId).has_value()) {
        return true;
    }
    if (const std::optional<bool> image = m_images.IsEnabled(commandId)) {
        return *image;
    }
    if (const int projection = Lookup(Projections(), commandId); projection >= 0) {
        return m_frame.View().Control().IsProjectionEnabled(projection);
    }
    if (commandId == cmd::kDefineCustomAxis) {
        return m_frame.Document().CurrentPage().m_selLines.size() == 1;
    }
    if (commandId == cmd::kRecentFile) {
        return !m_frame.Files().RecentFiles().isEmpty();
    }
    if (commandId == cmd::kRecordAnimation) {
        return !m_frame.Document().CurrentPage().m_buttons.empty();
    }
    return ViewOperations().contains(commandId) || FrameOperations().contains(commandId) ||
           DocumentOperations().contains(commandId) || FileOperations().contains(commandId) ||
           Lookup(Speeds(), commandId) >= 0 || Lookup(LabelSizes(), commandId) >= 0 ||
           IsPrintCommand(commandId) || commandId == cmd::kExit;
}

bool FrameWindowCommands::IsChecked(int commandId) const {
    CPlomView& view = m_frame.View();
    const CameraControl& control = view.Control();
    if (const std::optional<bool> tool = view.Tools().IsToolChecked(commandId)) {
        return *tool;
    }
    if (const std::optional<bool> image = m_images.IsChecked(commandId)) {
        return *image;
    }
    if (const int projection = Lookup(Projections(), commandId); projection >= 0) {
        return control.m_nProjection == projection;
    }
    if (const int interval = Lookup(Speeds(), commandId); interval >= 0) {
        return control.m_nInterval == interval;
    }
    if (const int size = Lookup(LabelSizes(), commandId); size >= 0) {
        return view.LabelSize() == size;
    }
    switch (commandId) {
        case cmd::kStartStop:
            return control.m_bTimerOn;
        case cmd::kThreeView:
            return control.m_nViewports != 1;
        case cmd::kShowGrid:
            return view.AxesShown();
        case cmd::kFullScreen:
            return m_frame.IsFullScreenMode();
        case cmd::kManagerBar:
            return m_frame.ManagerBar().isVisible();
        case cmd::kControlBar:
            return m_frame.ViewToolBar().isVisible();
        case cmd::kToolBar:
            return m_frame.MainToolBar().isVisible();
        case cmd::kStatusBar:
            return m_frame.statusBar()->isVisible();
        default:
            return false;
    }
}

}  // namespace velnor
