#pragma once

#include <QPoint>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/pick_hits.h"
#include "editing/tool_state.h"
#include "editing/transform_drag.h"
#include "geometry/pencil_geometry.h"
#include "view/pick_pass.h"
#include "view/view_projection.h"

class QContextMenuEvent;
class QMouseEvent;

namespace velnor {

class CDTextCell;
class CGpage;
class CPlomDoc;
class CPlomView;

// The mouse tools of the view and what the mouse does on the page: picking and selection,
// dragging the camera, buttons, texts and the selected cells, the line, face and midpoint tools
// and the pencil. The view hands its mouse messages here; the window commands call the tool
// operations.
class MouseTools {
public:
    explicit MouseTools(CPlomView& view);

    // The document whose current page the tools work on (null: the mouse only turns the camera).
    void SetDocument(CPlomDoc* doc) { m_pDoc = doc; }
    // Runs a menu command that the view hands on (double click, popup menu). Without one the
    // command runs through the command table with no dialog values.
    void SetCommandRunner(std::function<void(int)> runner) { m_runCommand = std::move(runner); }
    // Receives the text of the page pane of the status bar after each click.
    void SetPageStatusSink(std::function<void(const std::string&)> sink) {
        m_pageStatus = std::move(sink);
    }

    // The tool commands.
    void SelectTool();     // 点选图元
    void LockSelection();  // 锁定选择
    void MidpointTool();   // 中点, once no line is selected
    void LineTool();    // 线段、射线、直线、向量, with fewer than two selected vertices
    void FaceTool();    // 面, with fewer than three selected vertices
    void PencilTool();  // 铅笔
    // Runs the tool command of that id; false for other ids.
    bool RunToolCommand(int commandId);
    // The check mark of a tool command, or nothing for other ids.
    std::optional<bool> IsToolChecked(int commandId) const;
    // The pencil starts over when it is active: after 撤消, whose undone vertices its chain may
    // still name, and when another page becomes current.
    void ResetPencil();

    // Mouse messages.
    void LeftButtonDown(QMouseEvent& event);
    void LeftButtonUp(QMouseEvent& event);
    void MouseMove(QMouseEvent& event);
    void RightButtonDown(QMouseEvent& event);
    void LeftButtonDoubleClick(QMouseEvent& event);
    void ContextMenu(QContextMenuEvent& event);

    // Draws the tool's feedback under the camera rotation (the frame calls it before the page).
    void DrawFeedback() const;

    // Where a new bitmap text of width × height pixels shows in a free corner of the view; nothing
    // while the mouse cannot reach the figure (an empty three-view quadrant).
    std::optional<Float3> FreeTextCorner(int width, int height) const;

    const ToolState& State() const { return m_state; }
    ToolState& State() { return m_state; }

private:
    void StopTimer();
    void EnterTool(int tool);
    void EnterConstructionTool(int tool);
    void ClickPage(int x, int y, Qt::KeyboardModifiers modifiers);
    void Pick(int x, int y, Qt::KeyboardModifiers modifiers);
    std::optional<Viewport> ToolArea() const;
    std::optional<ViewProjection> ToolProjection() const;
    void AddBitTextHit(std::vector<PickHit>& hits, int px, int py) const;
    void MoveSelectedBitTexts(CGpage& page, int dx, int dy);
    std::optional<PickGroups> GroupsOfTool() const;
    void DragWithLeftButton(int dx, int dy, Qt::KeyboardModifiers modifiers);
    // Texts are hit and moved where the overlay draws them, in the view's device pixels.
    TextPlace DrawnTextPlace(const CDTextCell& text) const;
    std::optional<uint16_t> TextUnderMouse(const CGpage& page, int x, int y);
    void MoveSelectedTexts(CGpage& page, int dx, int dy);
    void FollowMouse(int x, int y, bool wholeUnits);
    void RunCommand(int commandId);
    void ShowPopupMenu(const QPoint& globalPos);
    void ReportPageStatus();
    bool HasPage() const { return m_pDoc != nullptr; }

    CPlomView& m_view;
    CPlomDoc* m_pDoc = nullptr;
    ToolState m_state;
    QPoint m_ptDown;
    QPoint m_ptLast;
    SelectionDrag m_drag;  // its dragging flag is m_bDragCmd: the drag's command is recorded
    MouseRay m_ray;
    // A Ctrl click on the selection, applied when the button comes up without having moved it.
    std::optional<std::vector<PickHit>> m_deferredClick;
    std::function<void(int)> m_runCommand;
    std::function<void(const std::string&)> m_pageStatus;
};

}  // namespace velnor
