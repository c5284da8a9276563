#include "view/demo_page.h"

#include <array>

#include "model/page.h"

namespace velnor {

namespace {

void AddCube(CGpage& page) {
    constexpr std::array<Float3, 8> kCorners{{{-4, -4, -4},
                                              {4, -4, -4},
                                              {4, 4, -4},
                                              {-4, 4, -4},
                                              {-4, -4, 4},
                                              {4, -4, 4},
                                              {4, 4, 4},
                                              {-4, 4, 4}}};
    for (const Float3& p : kCorners) {
        page.AddVertex(p[0], p[1], p[2]);
    }
    constexpr std::array<std::array<uint8_t, 2>, 12> kEdges{{{0, 1},
                                                             {1, 2},
                                                             {2, 3},
                                                             {3, 0},
                                                             {4, 5},
                                                             {5, 6},
                                                             {6, 7},
                                                             {7, 4},
                                                             {0, 4},
                                                             {1, 5},
                                                             {2, 6},
                                                             {3, 7}}};
    for (const auto& e : kEdges) {
        page.AddLine(e[0], e[1], kSegment);
    }
    constexpr std::array<std::array<int, 4>, 6> kFaces{
        {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}}};
    for (const auto& f : kFaces) {
        page.AddFace(f);
    }
}

void AddSolid(CGpage& page, uint8_t kind, const Float3& position, const Float3& scale) {
    page.AddSolid(std::make_unique<CSubassembly>(kind, 0, position, 0.0f, Float3{0, 0, 1}, scale,
                                                 0.5, 0, Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
}

}  // namespace

std::unique_ptr<CGpage> MakeCubePage() {
    auto page = std::make_unique<CGpage>();
    AddCube(*page);
    page->ClearSelection();
    return page;
}

std::unique_ptr<CGpage> MakeDemoPage() {
    auto page = MakeCubePage();
    page->m_nId = 1;
    page->m_strName = " 第一页 ";
    page->AddLine(0, 6, kVector);
    AddSolid(*page, kSolidSphereOutline, {0, 11, 0}, {2.5f, 2.5f, 2.5f});
    AddSolid(*page, kSolidConeSide, {11, 0, -4}, {2.5f, 2.5f, 6});
    AddSolid(*page, kSolidCylinderSide, {-11, 0, -4}, {2, 2, 6});
    page->ClearSelection();
    return page;
}

}  // namespace velnor
