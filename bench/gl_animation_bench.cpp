// Time to encode a 100-tick animation of the cube at 800 x 600 as GIF and as lossless WebP, with
// the file sizes, beside the time to record its frames. Run it under xvfb-run or anywhere:
// without a display it starts a private Xvfb.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/gl_model.h"
#include "model/page.h"
#include "output/animation_recording.h"
#include "output/gif_animation.h"
#include "output/webp_animation.h"
#include "persistence/document_file.h"
#include "persistence/document_io.h"
#include "view/gl_setup.h"
#include "view/offscreen_renderer.h"
#include "view/private_display.h"

namespace velnor {
namespace {

constexpr int kTicks = 100;
constexpr int kFrameMilliseconds = 40;

struct Fixture {
    std::vector<QImage> frames;
    double recordMs = 0.0;

    // The cube example with its rotate button made two-way, so that all 100 ticks move.
    Fixture() {
        DocumentFileContent content =
            DecodeDocumentFile(ReadWholeFile(CUBE_DOCUMENT), kDefaultSceneSettings);
        CGpage& page = *content.pages.front();
        CBtCmd& button = *page.m_buttons.at(3024);
        button.m_bTwoWay = 1;
        button.m_nTicksPerPress = 2 * button.m_nTicksOneWay;
        OffscreenRenderer renderer(content.settings);
        FrameLayout layout;
        layout.width = 800;
        layout.height = 600;
        const auto start = std::chrono::steady_clock::now();
        frames = RecordAnimation(page, renderer, layout, {3024, kTicks}).frames;
        recordMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
};

// Made after the application object and dropped before it.
std::unique_ptr<Fixture> g_fixture;

Fixture& Shared() {
    if (!g_fixture) {
        g_fixture = std::make_unique<Fixture>();
    }
    return *g_fixture;
}

template <typename Encode>
void MeasureEncoding(benchmark::State& state, Encode encode) {
    Fixture& f = Shared();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        encode(f.frames, buffer);
        bytes = buffer.size();
    }
    state.counters["frames"] = static_cast<double>(f.frames.size());
    state.counters["file_kb"] = static_cast<double>(bytes) / 1024.0;
    state.counters["record_ms"] = f.recordMs;
}

void BM_CubeAnimationGif(benchmark::State& state) {
    MeasureEncoding(state, [](const std::vector<QImage>& frames, QIODevice& device) {
        benchmark::DoNotOptimize(WriteGifAnimation(frames, kFrameMilliseconds, device));
    });
}

void BM_CubeAnimationWebp(benchmark::State& state) {
    MeasureEncoding(state, [](const std::vector<QImage>& frames, QIODevice& device) {
        benchmark::DoNotOptimize(WriteWebpAnimation(frames, kFrameMilliseconds, device));
    });
}

BENCHMARK(BM_CubeAnimationGif)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_CubeAnimationWebp)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace velnor

int main(int argc, char** argv) {
    std::string error;
    if (!velnor::EnsureDisplay(error)) {
        std::fprintf(stderr, "gl_animation_bench: %s\n", error.c_str());
        return 1;
    }
    const velnor::DisplayHold hold(5000);
    velnor::UseCompatibilityFormat();
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    velnor::g_fixture.reset();
    return 0;
}
