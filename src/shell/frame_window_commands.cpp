#include "shell/frame_window_commands.h"

#include <QDockWidget>
#include <QStatusBar>
#include <QToolBar>

#include <map>
#include <optional>

#include "commands/command_error.h"
#include "commands/command_ids.h"
#include "model/document.h"
#include "shell/document_files.h"
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
        {33212, kIntervalFast},   {33213, kIntervalFaster}, {33214, kIntervalMedium},
        {33217, kIntervalSlower}, {33216, kIntervalSlow},
    };
    return speeds;
}

const std::map<int, int>& Projections() {
    static const std::map<int, int> projections = {
        {33040, kCentral}, {33041, kOrthographic}, {33042, kOblique}};
    return projections;
}

const std::map<int, int>& LabelSizes() {
    static const std::map<int, int> sizes = {{33135, 1}, {33136, 2}, {33137, 3}};
    return sizes;
}

int Lookup(const std::map<int, int>& table, int id) {
    const auto found = table.find(id);
    return found == table.end() ? -1 : found->second;
}

using ViewOperation = void (CPlomView::*)();

const std::map<int, ViewOperation>& ViewOperations() {
    static const std::map<int, ViewOperation> operations = {
        {32745, &CPlomView::StartStop},
        {32794, &CPlomView::Reset},
        {32877, &CPlomView::RotateXForward},
        {32878, &CPlomView::RotateXBackward},
        {32875, &CPlomView::RotateZForward},
        {32876, &CPlomView::RotateZBackward},
        {33020, &CPlomView::RotateYForward},
        {33021, &CPlomView::RotateYBackward},
        {32982, &CPlomView::RotateCustomAxis},
        {33221, &CPlomView::ZoomIn},
        {33222, &CPlomView::ZoomOut},
        {33100, &CPlomView::PanLeft},
        {33101, &CPlomView::PanRight},
        {33102, &CPlomView::PanUp},
        {33103, &CPlomView::PanDown},
        {32891, &CPlomView::MoveNearer},
        {32892, &CPlomView::MoveFarther},
        {32987, &CPlomView::SpeedUp},
        {32988, &CPlomView::SlowDown},
        {33046, &CPlomView::FrontView},
        {33049, &CPlomView::TopView},
        {33050, &CPlomView::LeftView},
        {33091, &CPlomView::ToggleThreeView},
        {32920, &CPlomView::ToggleAxes},
        {FrameWindowCommands::kCycleProjection, &CPlomView::CycleProjection},
    };
    return operations;
}

using FrameOperation = void (CMainFrame::*)();

const std::map<int, FrameOperation>& FrameOperations() {
    static const std::map<int, FrameOperation> operations = {
        {32776, &CMainFrame::ToggleFullScreen},
        {FrameWindowCommands::kEndFullScreen, &CMainFrame::EndFullScreen},
        {32842, &CMainFrame::ToggleManagerBar},
        {32897, &CMainFrame::ToggleViewToolBar},
        {59392, &CMainFrame::ToggleMainToolBar},
        {59393, &CMainFrame::ToggleStatusBar},
        {FrameWindowCommands::kOpenNotesPane, &CMainFrame::OpenNotesPane},
        {FrameWindowCommands::kNextPreset, &CMainFrame::NextPreset},
        {FrameWindowCommands::kNextPane, &CMainFrame::SwitchPane},
        {FrameWindowCommands::kPreviousPane, &CMainFrame::SwitchPane},
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
           commandId == cmd::kPrintPreview;
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
    } else if (commandId == 32985) {
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
    if (commandId == 32985) {
        return m_frame.Document().CurrentPage().m_selLines.size() == 1;
    }
    if (commandId == 57616) {
        return !m_frame.Files().RecentFiles().isEmpty();
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
        case 32745:
            return control.m_bTimerOn;
        case 33091:
            return control.m_nViewports != 1;
        case 32920:
            return view.AxesShown();
        case 32776:
            return m_frame.IsFullScreenMode();
        case 32842:
            return m_frame.ManagerBar().isVisible();
        case 32897:
            return m_frame.ViewToolBar().isVisible();
        case 59392:
            return m_frame.MainToolBar().isVisible();
        case 59393:
            return m_frame.statusBar()->isVisible();
        default:
            return false;
    }
}

}  // namespace velnor
