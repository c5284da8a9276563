#include <benchmark/benchmark.h>

#include "shapes/solid_shape.h"

namespace velnor {
namespace {

// Every kind's shape and selection outline built once, as the view does when it compiles its
// lists and the vector figure does for each solid it draws. The title has no letters here (they
// come from Qt).
void BM_EveryKindsMeshOnce(benchmark::State& state) {
    for (auto _ : state) {
        size_t triangles = 0;
        for (int k = 0; k < kShapeKindCount; ++k) {
            const ShapeValues values{static_cast<ShapeKind>(k)};
            for (const Surface& surface : ShapeOf(values).surfaces) {
                triangles += surface.triangles.size() / 3;
            }
            benchmark::DoNotOptimize(OutlineOf(values));
            benchmark::DoNotOptimize(HidingBodyOf(values));
        }
        benchmark::DoNotOptimize(triangles);
    }
}
BENCHMARK(BM_EveryKindsMeshOnce)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velnor

BENCHMARK_MAIN();
