#include "view/mouse_tools.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

#include "buttons/button_drag.h"
#include "commands/command_error.h"
#include "commands/command_execution.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "editing/pencil.h"
#include "editing/tool_clicks.h"
#include "model/bit_text.h"
#include "model/document.h"
#include "model/dtext_cell.h"
#include "model/gl_model.h"
#include "model/message_seam.h"
#include "model/refresh_hint.h"
#include "view/bit_text_place.h"
#include "view/overlay_text_place.h"
#include "view/pencil_cursor.h"
#include "view/pick_pass.h"
#include "view/plom_view.h"
#include "view/popup_menu.h"
#include "view/projection.h"
#include "view/tool_feedback.h"

namespace velnor {

namespace {

constexpr const char* kPageSelectedMark = " ( 选中√) ";

bool WholeUnits(Qt::KeyboardModifiers modifiers) {
    return modifiers & Qt::ShiftModifier;
}

bool OnlyBitTextsSelected(const CGpage& page) {
    if (!page.m_selPoints.empty() || page.m_selSolids.empty()) {
        return false;
    }
    return std::all_of(page.m_selSolids.begin(), page.m_selSolids.end(), [&](int key) {
        const auto found = page.m_solids.find(static_cast<uint16_t>(key));
        return found != page.m_solids.end() &&
               dynamic_cast<const CBitText*>(found->second.get()) != nullptr;
    });
}

// The layout of the next frame, with the projection and layout the camera has now (a command
// may have changed them since the last frame).
FrameLayout CurrentLayout(const CPlomView& view) {
    FrameLayout layout = view.Layout();
    layout.projection = view.Control().m_nProjection;
    layout.viewports = view.Control().m_nViewports;
    return layout;
}

}  // namespace

MouseTools::MouseTools(CPlomView& view) : m_view(view) {
    view.setMouseTracking(true);
}

void MouseTools::StopTimer() {
    if (m_view.Control().m_bTimerOn) {
        m_view.StartStop();
    }
}

void MouseTools::SelectTool() {
    StopTimer();
    m_view.Images().EndRegionAndMoving();
    EnterTool(kToolSelect);
}

void MouseTools::LockSelection() {
    EnterTool(kToolLocked);
}

void MouseTools::EnterTool(int tool) {
    m_state.Enter(tool);
    m_view.unsetCursor();
    m_view.update();
}

void MouseTools::EnterConstructionTool(int tool) {
    StopTimer();
    EnterTool(tool);
}

void MouseTools::MidpointTool() {
    EnterConstructionTool(kToolMidpoint);
}

void MouseTools::LineTool() {
    m_state.m_vCursor = {};
    m_state.m_vStart = {};
    EnterConstructionTool(kToolLine);
}

void MouseTools::FaceTool() {
    EnterConstructionTool(kToolFace);
}

void MouseTools::PencilTool() {
    StopTimer();
    m_view.Images().EndRegionAndMoving();
    m_state.m_nTool = kToolPencil;
    if (m_pDoc) {
        Pencil(*m_pDoc, m_state).Reset();
    }
    m_view.setCursor(PencilCursor());
    // The oblique view, in which the horizontal plane recedes at 45 degrees.
    m_view.SetProjection(kOblique);
    m_view.update();
}

bool MouseTools::RunToolCommand(int commandId) {
    switch (commandId) {
        case cmd::kSelectTool:
            SelectTool();
            return true;
        case cmd::kLockSelection:
            LockSelection();
            return true;
        case cmd::kMidpoint:
            MidpointTool();
            return true;
        case cmd::kLineTool:
            LineTool();
            return true;
        case cmd::kFace:
            FaceTool();
            return true;
        case cmd::kPencil:
            PencilTool();
            return true;
        default:
            return false;
    }
}

std::optional<bool> MouseTools::IsToolChecked(int commandId) const {
    switch (commandId) {
        case cmd::kSelectTool:
            return m_state.m_nTool == kToolSelect;
        case cmd::kLockSelection:
            return m_state.m_nTool == kToolLocked;
        case cmd::kMidpoint:
            return m_state.m_nTool == kToolMidpoint;
        case cmd::kLineTool:
            return m_state.m_nTool == kToolLine;
        case cmd::kFace:
            return m_state.m_nTool == kToolFace;
        case cmd::kPencil:
            return m_state.m_nTool == kToolPencil;
        default:
            return std::nullopt;
    }
}

void MouseTools::ResetPencil() {
    if (m_state.m_nTool == kToolPencil && m_pDoc) {
        Pencil(*m_pDoc, m_state).Reset();
        m_view.update();
    }
}

std::optional<PickGroups> MouseTools::GroupsOfTool() const {
    switch (m_state.m_nTool) {
        case kToolMidpoint:
            return PickGroups{.lines = true};
        case kToolLine:
        case kToolFace:
            return PickGroups{.vertices = true};
        case kToolPencil:
            return PickGroups{.vertices = true, .lines = true};
        case kToolSelect:
            return PickGroups{true, true, true, true};
        default:
            return std::nullopt;
    }
}

void MouseTools::LeftButtonDown(QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    m_ptDown = m_ptLast = at;
    m_view.Images().PressLeftButton(at);
    if (!HasPage()) {
        return;
    }
    m_pDoc->m_bPageSelected = false;
    m_deferredClick.reset();
    if (m_state.m_nTool != kToolLocked) {
        ClickPage(at.x(), at.y(), event.modifiers());
    }
    ReportPageStatus();
    m_view.update();
}

void MouseTools::ClickPage(int x, int y, Qt::KeyboardModifiers modifiers) {
    CGpage& page = m_pDoc->CurrentPage();
    if (const auto button = ButtonHandleAt(page, x, y)) {
        ToggleKey(page.m_selButtons, *button);
    } else if (const auto text = TextUnderMouse(page, x, y)) {
        ToggleKey(page.m_selTexts, *text);
    } else {
        Pick(x, y, modifiers);
    }
}

std::optional<Viewport> MouseTools::ToolArea() const {
    return ToolViewport(CurrentLayout(m_view),
                        HasPage() && m_pDoc->CurrentPage().m_bPerspInThreeView);
}

std::optional<ViewProjection> MouseTools::ToolProjection() const {
    const auto area = ToolArea();
    if (!area) {
        return std::nullopt;
    }
    return ViewProjection(m_view.Settings().m_camera, CurrentLayout(m_view), *area);
}

std::optional<Float3> MouseTools::FreeTextCorner(int width, int height) const {
    const auto projection = ToolProjection();
    if (!projection || !HasPage()) {
        return std::nullopt;
    }
    return FreeCornerPosition(m_pDoc->CurrentPage(), *projection, width, height);
}

// A bitmap text is drawn over the figure, so a click anywhere on it takes it before what lies
// beneath; the pick pass alone finds it only at its anchor.
void MouseTools::AddBitTextHit(std::vector<PickHit>& hits, int px, int py) const {
    const auto projection = ToolProjection();
    if (!projection) {
        return;
    }
    const auto key = BitTextAt(m_pDoc->CurrentPage(), *projection, QPointF(px + 0.5, py + 0.5));
    if (key) {
        const PickHit hit{kPickSolids, *key};
        std::erase(hits, hit);
        hits.insert(hits.begin(), hit);
    }
}

void MouseTools::Pick(int x, int y, Qt::KeyboardModifiers modifiers) {
    const auto groups = GroupsOfTool();
    const auto area = ToolArea();
    if (!groups || !area) {
        return;
    }
    const qreal ratio = m_view.devicePixelRatioF();
    const int px = static_cast<int>(x * ratio), py = static_cast<int>(y * ratio);
    m_view.makeCurrent();
    CGpage& page = m_pDoc->CurrentPage();
    const FrameLayout layout = CurrentLayout(m_view);
    auto hits = PickAt(page, m_view.Settings(), m_view.Scene(), layout, *area, px, py, *groups);
    if (m_state.m_nTool == kToolPencil) {
        m_ray = UnprojectMouse(m_view.Settings(), layout, *area, px, py);
    }
    m_view.doneCurrent();
    if (!hits) {
        return;
    }
    if (groups->solids) {
        AddBitTextHit(*hits, px, py);
    }
    switch (m_state.m_nTool) {
        case kToolMidpoint:
            ClickMidpointTool(*m_pDoc, m_state, *hits);
            break;
        case kToolLine:
            ClickLineTool(*m_pDoc, m_state, *hits);
            break;
        case kToolFace:
            ClickFaceTool(*m_pDoc, *hits);
            break;
        case kToolPencil:
            Pencil(*m_pDoc, m_state).Press(*hits, m_ray);
            break;
        default:
            // A Ctrl press may start moving the selection: it must not first take that away.
            if ((modifiers & Qt::ControlModifier) && ClickTakesAwaySelection(page, *hits)) {
                m_deferredClick = *hits;
            } else {
                ToggleSelectionByHits(page, *hits);
            }
            break;
    }
}

void MouseTools::LeftButtonUp(QMouseEvent&) {
    const auto deferredClick = std::exchange(m_deferredClick, std::nullopt);
    if (m_drag.IsDragging()) {
        m_drag.Release();
        return;
    }
    if (deferredClick && HasPage()) {
        ToggleSelectionByHits(m_pDoc->CurrentPage(), *deferredClick);
        ReportPageStatus();
        m_view.update();
    }
    if (m_state.m_nTool == kToolPencil && HasPage()) {
        Pencil(*m_pDoc, m_state).Release();
        m_view.update();
    }
}

void MouseTools::MouseMove(QMouseEvent& event) {
    if (m_view.Control().m_bTimerOn) {
        return;
    }
    const QPoint at = event.position().toPoint();
    const int dx = at.x() - m_ptLast.x(), dy = at.y() - m_ptLast.y();
    const bool wholeUnits = WholeUnits(event.modifiers());
    if (event.buttons() & Qt::LeftButton) {
        if (m_state.m_nTool == kToolPencil) {
            if (m_state.m_nStage == kStageSecond) {
                const auto area = ToolArea();
                const int height = area ? static_cast<int>((*area)[3] / m_view.devicePixelRatioF())
                                        : m_view.height();
                m_state.m_vCursor[2] =
                    HeightFromDrag(m_ptDown.y(), at.y(), height, m_state.m_fLevel, wholeUnits);
            }
        } else if (!m_view.Images().DragLeftButton(at, dx, dy)) {
            // The image or the region's corner, when they take the drag, turn nothing else.
            const bool buttonsMoved = HasPage() && !m_pDoc->CurrentPage().m_selButtons.empty();
            DragWithLeftButton(dx, dy, event.modifiers());
            if (buttonsMoved) {
                m_ptLast = at;  // the button windows move themselves: nothing to redraw
                return;
            }
        }
    } else if (m_state.m_nTool == kToolLine || m_state.m_nTool == kToolPencil) {
        FollowMouse(at.x(), at.y(), wholeUnits);
    }
    m_ptLast = at;
    m_view.update();
}

void MouseTools::DragWithLeftButton(int dx, int dy, Qt::KeyboardModifiers modifiers) {
    if (!HasPage()) {
        m_view.DragCamera(dx, dy);
        return;
    }
    CGpage& page = m_pDoc->CurrentPage();
    if (!page.m_selButtons.empty()) {
        MoveSelectedButtons(page, dx, dy);
    } else if (!page.m_selTexts.empty()) {
        MoveSelectedTexts(page, dx, dy);
    } else if ((modifiers & Qt::ControlModifier) && OnlyBitTextsSelected(page)) {
        MoveSelectedBitTexts(page, dx, dy);
    } else if ((modifiers & Qt::ControlModifier) && SelectionDrag::CanDrag(page)) {
        m_drag.Move(*m_pDoc, dx, dy, WholeUnits(modifiers));
    } else {
        m_view.DragCamera(dx, dy);
    }
}

TextPlace MouseTools::DrawnTextPlace(const CDTextCell& text) const {
    const FrameLayout layout = m_view.Layout();
    return OverlayTextPlace(text, m_view.Scene(), layout.width, layout.height);
}

std::optional<uint16_t> MouseTools::TextUnderMouse(const CGpage& page, int x, int y) {
    const qreal ratio = m_view.devicePixelRatioF();
    return TextAt(page, static_cast<int>(x * ratio), static_cast<int>(y * ratio),
                  [this](const CDTextCell& text) { return DrawnTextPlace(text); });
}

void MouseTools::MoveSelectedTexts(CGpage& page, int dx, int dy) {
    const qreal ratio = m_view.devicePixelRatioF();
    const int width = m_view.Layout().width;
    for (const int key : page.m_selTexts) {
        const auto found = page.m_texts.find(static_cast<uint16_t>(key));
        if (found == page.m_texts.end()) {
            continue;
        }
        // From where it is seen: a text shifted inside follows the mouse at once.
        CDTextCell& text = *found->second;
        const TextPlace at = DrawnTextPlace(text);
        text.m_nPlaceX = width - at.x - static_cast<int>(dx * ratio);
        text.m_nPlaceY = at.baseline + static_cast<int>(dy * ratio);
    }
}

// Texts follow the mouse pixel for pixel on the screen, where the figure's fixed 20 pixels a unit
// would let them run ahead of it, and stay inside the view.
void MouseTools::MoveSelectedBitTexts(CGpage& page, int dx, int dy) {
    const auto projection = ToolProjection();
    const auto first = page.m_solids.find(static_cast<uint16_t>(page.m_selSolids.front()));
    if (!projection || first == page.m_solids.end()) {
        return;
    }
    const auto& text = dynamic_cast<const CBitText&>(*first->second);
    const qreal ratio = m_view.devicePixelRatioF();
    const Float3 to = DraggedPosition(text, *projection, QPointF(dx * ratio, dy * ratio));
    m_drag.MoveBy(*m_pDoc, {to[0] - text.m_position[0], to[1] - text.m_position[1],
                            to[2] - text.m_position[2]});
}

void MouseTools::FollowMouse(int x, int y, bool wholeUnits) {
    const auto area = ToolArea();
    if (!area) {
        return;
    }
    const qreal ratio = m_view.devicePixelRatioF();
    m_view.makeCurrent();
    m_ray = UnprojectMouse(m_view.Settings(), CurrentLayout(m_view), *area,
                           static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    m_view.doneCurrent();
    if (const auto cursor = CursorOnPlane(m_ray, m_state.m_vCursor[2], wholeUnits)) {
        m_state.m_vCursor = *cursor;
    }
}

void MouseTools::RightButtonDown(QMouseEvent&) {
    if (!HasPage()) {
        return;
    }
    if (m_state.m_nTool == kToolPencil) {
        Pencil(*m_pDoc, m_state).Reset();
        m_pDoc->Refresh(kHintAll);
    } else if (m_state.m_nTool == kToolFace) {
        CloseFace(*m_pDoc, m_state);
    }
    m_view.update();
}

void MouseTools::LeftButtonDoubleClick(QMouseEvent&) {
    if (HasPage()) {
        RunCommand(cmd::kProperties);
    }
}

void MouseTools::ContextMenu(QContextMenuEvent& event) {
    if (m_state.m_nTool == kToolPencil || m_state.m_nTool == kToolFace) {
        return;
    }
    if (HasPage() && m_pDoc->CurrentPage().HasSelection()) {
        RunCommand(cmd::kProperties);
        return;
    }
    const bool fromKeyboard = event.reason() == QContextMenuEvent::Keyboard;
    ShowPopupMenu(fromKeyboard ? m_view.mapToGlobal(QPoint(50, 50)) : event.globalPos());
}

void MouseTools::ShowPopupMenu(const QPoint& globalPos) {
    const auto menu =
        BuildViewPopupMenu(&m_view, m_pDoc, [this](int commandId) { RunCommand(commandId); });
    menu->exec(globalPos);
}

void MouseTools::RunCommand(int commandId) {
    if (m_runCommand) {
        m_runCommand(commandId);
        return;
    }
    const CommandEntry* entry = FindCommand(commandId);
    if (!entry || !m_pDoc) {
        return;
    }
    try {
        ExecuteCommand(*entry, *m_pDoc, {});
    } catch (const CommandError& error) {
        ShowMessage(error.what());
    }
    m_view.update();
}

void MouseTools::ReportPageStatus() {
    if (m_pageStatus) {
        const std::string& name = m_pDoc->CurrentPage().m_strName;
        m_pageStatus(m_pDoc->m_bPageSelected ? name + kPageSelectedMark : name);
    }
}

void MouseTools::DrawFeedback() const {
    if (!HasPage()) {
        return;
    }
    const CGpage& page = m_pDoc->CurrentPage();
    DrawToolFeedback(page, m_state, m_view.Settings(), m_view.Scene(), m_view.AxesShown(),
                     PencilTopRatio(page, m_state));
}

}  // namespace velnor
