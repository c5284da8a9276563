#pragma once

#include <GL/gl.h>

#include <vector>

namespace velnor {

class CFaceCell;
class CGpage;
class CLineCell;

// The lines of one pass gathered into few draw calls: all segments and vector shafts in one,
// all rays and whole lines in another, then the arrow heads. The picture is the same as drawing
// them one by one; a line takes the current colour and stipple.
class LineBatch {
public:
    // Hidden lines and lines whose ends lie outside the vertex table are left out.
    void Add(const CLineCell& line);
    // With the page's position table bound as the vertex array.
    void Draw(const CGpage& page, GLuint listBase) const;
    bool Empty() const { return m_pairs.empty() && m_unbounded.empty(); }

private:
    std::vector<GLubyte> m_pairs;               // segments and vector shafts, two indices each
    std::vector<const CLineCell*> m_unbounded;  // rays and lines
    std::vector<const CLineCell*> m_vectors;    // their arrow heads
};

// The faces of one pass gathered by primitive: triangles in one call, quadrilaterals in one,
// polygons one by one.
class FaceBatch {
public:
    void Add(const CFaceCell& face);
    void Draw() const;

private:
    std::vector<GLubyte> m_triangles;
    std::vector<GLubyte> m_quads;
    std::vector<const CFaceCell*> m_polygons;
};

// Whether a face can be drawn: shown, with 3 to 20 vertices, all inside the vertex table.
bool IsDrawableFace(const CFaceCell& face);

}  // namespace velnor
