#pragma once

#include <vector>

#include "editing/pick_hits.h"
#include "editing/tool_state.h"
#include "geometry/pencil_geometry.h"

namespace velnor {

class CGpage;
class CPlomDoc;

// The pencil: points, lines and faces from clicks, and from a closed base a pyramid, prism or
// frustum. Presses pick vertices and lines; a vertex is placed on button up at the 3D cursor.
// Every change is recorded as one undoable command.
class Pencil {
public:
    Pencil(CPlomDoc& doc, ToolState& state) : m_doc(doc), m_state(state) {}

    // Left button down: the first hit decides (vertices are drawn before lines). `ray` is the
    // mouse ray, used for a point on a hit line.
    void Press(const std::vector<PickHit>& hits, const MouseRay& ray);
    // Left button up: places a vertex at the cursor, or finishes the solid once the top point
    // exists.
    void Release();
    // Right click, a finished solid, the vertex limit, undo: back to an empty chain.
    void Reset();

private:
    void PressVertex(int vertex);
    void PressLine(int key, const MouseRay& ray);
    void PlaceVertex();
    void FinishSolid();
    void BuildPyramid(int apex);
    void BuildPrismOrFrustum(double ratio);
    // Takes the vertex as the new start of the rubber band.
    void StartAt(int vertex);
    void Append(int vertex);
    void VertexLimitReached();
    Point3d ChainPosition(int slot) const;

    CPlomDoc& m_doc;
    ToolState& m_state;
};

// The ratio of the top to the base of the solid the pencil would finish with the cursor where it
// is; 0 while the chain has no top point.
double PencilTopRatio(const CGpage& page, const ToolState& state);

}  // namespace velnor
