#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "geometry/plane_section.h"
#include "geometry/polyhedron_net.h"
#include "geometry/solid_generators.h"
#include "model/page.h"

namespace velnor {
namespace {

Polyhedron SolidOfPage(const CGpage& page) {
    Polyhedron solid;
    for (int v = 0; v < page.m_nVertexCount; ++v) {
        solid.corners.push_back(ToVec3(page.m_pos[v]));
    }
    for (const auto& [key, face] : page.m_faces) {
        solid.faces.emplace_back(face->Verts().begin(), face->Verts().end());
    }
    return solid;
}

// A flat double pyramid of 30 faces, as many as a net must manage.
Polyhedron Bipyramid() {
    CGpage page;
    constexpr int kSides = 15;
    for (int i = 0; i < kSides; ++i) {
        const double angle = 2.0 * M_PI * i / kSides;
        page.AddVertex(float(8 * std::cos(angle)), float(8 * std::sin(angle)), 0.0f);
    }
    page.AddVertex(0, 0, 2);
    page.AddVertex(0, 0, -2);
    for (int i = 0; i < kSides; ++i) {
        page.AddFace(std::vector<int>{kSides, i, (i + 1) % kSides});
        page.AddFace(std::vector<int>{kSides + 1, (i + 1) % kSides, i});
    }
    return SolidOfPage(page);
}

void UnfoldDodecahedron(benchmark::State& state) {
    CGpage page;
    AddDodecahedron(page, {}, 8.0f);
    const Polyhedron solid = SolidOfPage(page);
    for (auto _ : state) {
        benchmark::DoNotOptimize(UnfoldPolyhedron(solid, 0));
    }
}
BENCHMARK(UnfoldDodecahedron)->Unit(benchmark::kMillisecond);

void UnfoldThirtyFaceBipyramid(benchmark::State& state) {
    const Polyhedron solid = Bipyramid();
    for (auto _ : state) {
        benchmark::DoNotOptimize(UnfoldPolyhedron(solid, 0));
    }
}
BENCHMARK(UnfoldThirtyFaceBipyramid)->Unit(benchmark::kMillisecond);

void CutCubeIntoHexagon(benchmark::State& state) {
    CGpage page;
    AddCube(page, {}, 12.0f);
    const CuttingPlane plane = *PlaneThroughPoints({0, 0, 0}, {1, 1, 0}, {0, 1, 1});
    for (auto _ : state) {
        benchmark::DoNotOptimize(CutPageFaces(page, plane));
    }
}
BENCHMARK(CutCubeIntoHexagon)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velnor

BENCHMARK_MAIN();
