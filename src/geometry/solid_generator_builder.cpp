#include "geometry/solid_generator_builder.h"

#include <memory>
#include <vector>

#include "geometry/page_room.h"
#include "model/color.h"
#include "model/gl_model.h"

namespace velnor {

namespace {

// The most a figure adds: a prism of 20 sides has 60 edges and 22 faces, the geometric sphere
// four solids. Checking this up front keeps a figure from stopping half built.
constexpr AddedCells kMostCellsOfAFigure{.lines = 60, .faces = 22, .solids = 4};

}  // namespace

void FigureBuilder::Vertex(Vec3 position, const std::string& label, uint8_t shown) {
    Vertex(position, label, ToFloats(m_page.Settings().m_newPointColor), shown);
}

void FigureBuilder::Vertex(Vec3 position, const std::string& label, const Float3& colour,
                           uint8_t shown) {
    const int i = m_page.m_nVertexCount;
    m_page.m_pos[i] = {position.x, position.y, position.z};
    m_page.m_color[i] = colour;
    m_page.m_label[i] = label;
    m_page.m_bShown[i] = shown;
    ++m_page.m_nVertexCount;
    ++m_added.points;
}

void FigureBuilder::Edge(int from, int to) {
    if (m_page.AddLine(static_cast<uint8_t>(m_first + from), static_cast<uint8_t>(m_first + to),
                       0) != 0) {
        ++m_added.lines;
    }
}

void FigureBuilder::Face(std::initializer_list<int> offsets) {
    Face(std::vector<int>(offsets));
}

// A figure's faces are planar by construction. The page's own test measures flatness by an
// absolute triple product, which rounding in single precision exceeds on large figures (a
// dodecahedron of radius 50 would lose most of its faces), so they are stored without it.
void FigureBuilder::Face(const std::vector<int>& offsets) {
    std::vector<uint8_t> verts;
    verts.reserve(offsets.size());
    for (int offset : offsets) {
        verts.push_back(static_cast<uint8_t>(m_first + offset));
    }
    std::unique_ptr<CFaceCell> face = MakeFace(verts);
    face->m_strName = m_page.FaceName(verts, true);
    if (m_page.AddFace(std::move(face)) != 0) {
        ++m_added.faces;
    }
}

AddedCells FigureBuilder::Finish(char nextLabel) {
    if (m_page.m_chNextLabel < nextLabel) {
        m_page.m_chNextLabel = nextLabel;
    }
    return m_added;
}

bool RoomForFigure(const CGpage& page, int vertices) {
    AddedCells cells = kMostCellsOfAFigure;
    cells.points = vertices;
    return RoomForCells(page, cells);
}

std::string LetterLabel(int i, const char* suffix) {
    return std::string(1, static_cast<char>('A' + i)) + suffix;
}

}  // namespace velnor
