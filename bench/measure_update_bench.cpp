#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "geometry/measure_text.h"
#include "geometry/measure_types.h"
#include "model/page.h"

namespace velnor {
namespace {

// A full vertex table on a sphere, with `count` measurement texts of every kind over it. The
// animation timer recomputes them all at each tick, as often as every 10 ms.
CGpage PageWithTexts(int count) {
    CGpage page;
    for (int i = 0; i < CGpage::kMaxVertices; ++i) {
        const double t = i * 0.7, s = i * 0.31;
        page.AddVertex(float(5 * std::cos(t) * std::sin(s)), float(5 * std::sin(t) * std::sin(s)),
                       float(5 * std::cos(s)));
    }
    page.ClearSelection();
    for (int i = 0; page.m_texts.size() < static_cast<size_t>(count); ++i) {
        const int v = (i * 7) % (CGpage::kMaxVertices - 6);
        page.ClearSelection();
        switch (i % 4) {
            case 0:
                page.m_selPoints = {v, v + 1, v + 2, v + 3};
                AddMeasureText(page, kTetraVolume);
                break;
            case 1:
                page.m_selLines = {page.AddLine(v, v + 1), page.AddLine(v + 2, v + 3)};
                AddMeasureText(page, kLineLineDistance);
                break;
            case 2:
                page.m_selFaces = {*page.AddFace(std::vector<int>{v, v + 1, v + 2})};
                AddMeasureText(page, kPlaneEquation);
                break;
            default:
                page.m_selPoints = {v, v + 1, v + 2};
                AddMeasureText(page, kVertexAngle);
                break;
        }
    }
    return page;
}

void UpdateAllTextsOfAPage(benchmark::State& state) {
    CGpage page = PageWithTexts(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        page.m_pos[0][0] += 0.001f;
        UpdateAllTexts(page);
        benchmark::DoNotOptimize(page.m_texts.begin()->second->m_strText.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(UpdateAllTextsOfAPage)->Arg(10)->Arg(100);

}  // namespace
}  // namespace velnor

BENCHMARK_MAIN();
