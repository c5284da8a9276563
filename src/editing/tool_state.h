#pragma once

#include <array>
#include <cstdint>

#include "geometry/pencil_geometry.h"

namespace velnor {

// The mouse tools of the view.
enum MouseTool : int {
    kToolMidpoint = 0,
    kToolLine = 1,
    kToolFace = 2,
    kToolPencil = 3,
    kToolSelect = 4,
    kToolLocked = 6,  // clicks only end editing
};

// Stages of a tool.
enum ToolStage : int {
    kStageNone = 0,
    kStageFirstPoint = 1,  // waiting for a first point
    kStageSecond = 2,      // first point given (line tool) or height drag (pencil)
};

// What the active tool has collected so far. The pencil's chain holds the base vertices in
// slots 1..20, the first vertex again in slot 21 once the base is closed, and the top point in 22.
struct ToolState {
    static constexpr int kMaxBase = 20;
    static constexpr uint8_t kClosed = 21;
    static constexpr uint8_t kTopPlaced = 22;

    int m_nTool = kToolSelect;
    int m_nStage = kStageNone;
    Point3d m_vCursor{};
    Point3d m_vStart{};
    double m_fLevel = 0.0;
    std::array<uint16_t, kTopPlaced + 1> m_chain{};
    uint8_t m_nChain = 0;
    uint8_t m_nBase = 0;

    // The tool commands: the tool and its first stage.
    void Enter(int tool) {
        m_nTool = tool;
        m_nStage = tool == kToolSelect || tool == kToolLocked ? kStageNone : kStageFirstPoint;
    }
    // The vertex of the last used chain slot.
    uint16_t LastChainVertex() const { return m_chain[m_nChain]; }
};

}  // namespace velnor
