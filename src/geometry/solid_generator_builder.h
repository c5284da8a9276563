#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "geometry/vec3.h"
#include "model/added_cells.h"
#include "model/page.h"

namespace velnor {

// Writes a figure into a page: its vertices go straight into the table after those in use, with
// the figure's own labels and unselected, and its edges (segments) and faces are added after them.
// Indices given to Edge and Face are offsets from the figure's first vertex.
class FigureBuilder {
public:
    explicit FigureBuilder(CGpage& page) : m_page(page), m_first(page.m_nVertexCount) {}

    // A vertex in the current point colour.
    void Vertex(Vec3 position, const std::string& label, uint8_t shown = 1);
    void Vertex(Vec3 position, const std::string& label, const Float3& colour, uint8_t shown);
    void Edge(int from, int to);
    // A face over 3 to 20 of the figure's vertices, named as the page names new faces.
    void Face(std::initializer_list<int> offsets);
    void Face(const std::vector<int>& offsets);

    // Raises the page's next label letter to `nextLabel` unless it is already past it, and returns
    // what was added.
    AddedCells Finish(char nextLabel);

private:
    CGpage& m_page;
    int m_first;
    AddedCells m_added;
};

// Whether the page has free rows for that many vertices; if not, says so with
// "本页顶点数已达界限,请新建一页".
bool RoomForFigure(const CGpage& page, int vertices);

// The label of the i-th letter from 'A', with an optional suffix ("B", "B1").
std::string LetterLabel(int i, const char* suffix = "");

}  // namespace velnor
