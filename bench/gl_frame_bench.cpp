// Time of one frame of a dense page at 1600 x 1000, against a frame that only clears, against the
// floor (the same primitives drawn once in plain OpenGL), and of the same page drawn as an SVG or
// PDF drawing. Run it
// under xvfb-run (Mesa's software renderer) or anywhere: without a display it starts a private
// Xvfb.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "floor_renderer.h"
#include "frame_primitives.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "output/figure_files.h"
#include "output/output_palette.h"
#include "output/svg_canvas.h"
#include "output/tikz_canvas.h"
#include "output/vector_frame.h"
#include "view/cell_renderer.h"
#include "view/gl_setup.h"
#include "view/offscreen_renderer.h"
#include "view/private_display.h"
#include "view/scene_state.h"

namespace velnor {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

// A fixed pseudo-random sequence, so that every run draws the same page.
class Sequence {
public:
    int Next(int bound) {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<int>((m_state >> 8) % static_cast<uint32_t>(bound));
    }

private:
    uint32_t m_state = 7;
};

// 200 vertices, 300 lines, 100 faces, 25 solids of mixed kinds and 20 dynamic texts.
std::unique_ptr<CGpage> MakeDensePage() {
    auto page = std::make_unique<CGpage>();
    for (int i = 0; i < 200; ++i) {
        const double a = i * 0.7, b = i * 0.31;
        page->AddVertex(static_cast<float>(9 * std::cos(a) * std::sin(b)),
                        static_cast<float>(9 * std::sin(a) * std::sin(b)),
                        static_cast<float>(9 * std::cos(b)));
    }
    Sequence seq;
    for (int i = 0; i < 300; ++i) {
        page->AddLine(static_cast<uint8_t>(seq.Next(200)), static_cast<uint8_t>(seq.Next(200)),
                      static_cast<uint8_t>(i % 10 == 0 ? kVector : kSegment));
    }
    for (int i = 0; i < 100; ++i) {
        page->AddFace(std::array<int, 3>{i, i + 1, (i + 17) % 200});
    }
    for (int i = 0; i < 25; ++i) {
        const uint8_t kind = static_cast<uint8_t>(i == 9 ? 0 : i);
        const float x = static_cast<float>(-12 + 6 * (i % 5));
        const float y = static_cast<float>(-12 + 6 * (i / 5));
        page->AddSolid(std::make_unique<CSubassembly>(
            kind, 0, Float3{x, y, 0}, 0.0f, Float3{0.5f, 0.2f, 1.0f}, Float3{1.5f, 1.5f, 1.5f}, 0.5,
            0, Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
    }
    for (int i = 0; i < 20; ++i) {
        auto text = std::make_unique<CDTextCell>(2);
        text->m_strText = "| AB" + std::to_string(i) + " |=3.1623";
        text->m_nPlaceX = 400;
        text->m_nPlaceY = 40 + 30 * i;
        page->AddText(std::move(text));
    }
    page->ClearSelection();
    page->m_selSolids = {1, 2};
    page->m_selLines = {1, 2, 3};
    return page;
}

struct Fixture {
    CGlModel settings;
    std::unique_ptr<OffscreenRenderer> renderer;
    FloorRenderer floor;
    std::unique_ptr<CGpage> page = MakeDensePage();
    FrameLayout layout;

    Fixture() {
        renderer = std::make_unique<OffscreenRenderer>(settings);
        layout.width = kWidth;
        layout.height = kHeight;
    }
};

// Made after the application object and dropped before it, with the context it owns.
std::unique_ptr<Fixture> g_fixture;

Fixture& Shared() {
    if (!g_fixture) {
        g_fixture = std::make_unique<Fixture>();
    }
    return *g_fixture;
}

double MillisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

FrameLayout ThreeViewLayout(const Fixture& f) {
    FrameLayout layout = f.layout;
    layout.viewports = 4;
    return layout;
}

FrameLayout QuarterLayout(const Fixture& f) {
    FrameLayout layout = f.layout;
    layout.width = kWidth / 4;
    layout.height = kHeight / 4;
    return layout;
}

void BM_ClearOnlyFrame(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        f.renderer->ClearOnly(f.layout);
    }
}

void BM_DensePageFrame(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        f.renderer->DrawOnly(f.page.get(), f.layout);
    }
}

// The dense page with only one kind of content left, to see where a frame's time goes.
enum Content { kLinesOnly, kFacesOnly, kSolidsOnly, kTextsOnly, kLabelsOnly };

std::unique_ptr<CGpage> DensePageWith(Content content) {
    auto page = MakeDensePage();
    if (content != kLinesOnly) {
        page->m_lines.clear();
    }
    if (content != kFacesOnly) {
        page->m_faces.clear();
    }
    if (content != kSolidsOnly) {
        page->m_solids.clear();
    }
    if (content != kTextsOnly) {
        page->m_texts.clear();
    }
    if (content != kLabelsOnly) {
        std::fill(page->m_bShown.begin(), page->m_bShown.end(), 0);
    }
    page->ClearSelection();
    return page;
}

void BM_DensePagePart(benchmark::State& state, Content content) {
    Fixture& f = Shared();
    const auto page = DensePageWith(content);
    for (auto _ : state) {
        f.renderer->DrawOnly(page.get(), f.layout);
    }
}

// A sixteenth of the pixels: what is left is the cost of the geometry rather than of filling.
void BM_DensePageSmallFrame(benchmark::State& state) {
    Fixture& f = Shared();
    const FrameLayout layout = QuarterLayout(f);
    for (auto _ : state) {
        f.renderer->DrawOnly(f.page.get(), layout);
    }
}

void BM_DensePageThreeViews(benchmark::State& state) {
    Fixture& f = Shared();
    const FrameLayout layout = ThreeViewLayout(f);
    for (auto _ : state) {
        f.renderer->DrawOnly(f.page.get(), layout);
    }
}

// The middle value: a frame that waited for another program's turn does not move it.
double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The frame and its floor in turn, with the ratio of their median times: what the frame spends
// beyond rasterising what it shows once, plainly.
void BM_DensePageFrameAgainstFloor(benchmark::State& state,
                                   FrameLayout (*layoutOf)(const Fixture&)) {
    Fixture& f = Shared();
    const FrameLayout layout = layoutOf(f);
    // The frame makes its context current; feedback must start in that context. Mesa crashes
    // drawing the axes list in feedback mode, so the floor leaves out the marks of the two
    // selected solids (their axes and outlines): a floor a little low, a ratio a little high.
    f.renderer->DrawOnly(f.page.get(), layout);
    auto unmarked = MakeDensePage();
    unmarked->m_selSolids.clear();
    const FramePrimitives primitives =
        CaptureFrame([&] { f.renderer->DrawOnly(unmarked.get(), layout); });
    const GlScene& scene = f.renderer->Scene();
    const FloorStyle style{
        layout.width, layout.height,           f.settings.m_fLineWidth,
        kDotPixels,   scene.LabelAdvance('A'), static_cast<float>(scene.LabelPixelSize())};
    std::vector<double> frameMs, floorMs;
    for (auto _ : state) {
        frameMs.push_back(MillisecondsOf([&] { f.renderer->DrawOnly(f.page.get(), layout); }));
        floorMs.push_back(MillisecondsOf([&] { f.floor.Draw(primitives, style); }));
    }
    state.counters["frame_ms"] = Median(frameMs);
    state.counters["floor_ms"] = Median(floorMs);
    state.counters["frame_per_floor"] = Median(frameMs) / Median(floorMs);
    state.counters["lines"] = static_cast<double>(primitives.lines.size() / 2);
    state.counters["triangles"] = static_cast<double>(primitives.triangles.size() / 3);
    state.counters["glyphs"] = static_cast<double>(primitives.glyphs.size());
}

// The levers, each against the way it replaced, side by side in one process: the new frame of
// the dense page, and a frame that draws the same the old way.

// Page component 1 holds the molecule at the origin; its list keeps the fine atoms, at any size.
std::unique_ptr<CGpage> DensePageWithFineMolecule(Fixture& f) {
    CGpage component;
    component.AddSolid(std::make_unique<CSubassembly>(kSolidC60, 0, Float3{0, 0, 0}, 0.0f,
                                                      Float3{0, 0, 1}, Float3{1, 1, 1}, 0.5, 0,
                                                      Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
    f.renderer->CompileComponent(component, 1, false);
    auto page = MakeDensePage();
    for (auto& [key, solid] : page->m_solids) {
        if (solid->m_nKind == kSolidC60) {
            solid->m_nKind = kSolidPageComponent;
            solid->m_nComponent = 1;
        }
    }
    return page;
}

// The labels hidden from the page and drawn instead glyph bitmap by glyph bitmap, as the mouse
// tools' feedback is drawn.
std::unique_ptr<CGpage> DensePageWithBitmapLabels(Fixture& f, FrameLayout& layout) {
    auto page = MakeDensePage();
    std::fill(page->m_bShown.begin(), page->m_bShown.end(), 0);
    const auto shown = MakeDensePage();
    layout.toolFeedback = [&f, labels = shown->m_label, positions = shown->m_pos,
                           count = shown->m_nVertexCount] {
        const Rgb c = f.settings.m_labelColor;
        glColor3ub(c.r, c.g, c.b);
        glDepthFunc(GL_ALWAYS);
        for (int i = 0; i < count; ++i) {
            const Float3& p = positions[i];
            glRasterPos3f(p[0] + 0.2f, p[1] + 0.2f, p[2] + 0.2f);
            CallLabelString(f.renderer->Scene().ListBase(), labels[i]);
        }
        glDepthFunc(GL_LEQUAL);
    };
    return page;
}

enum class Lever { kDistantMolecule, kLabelAtlas };

void BM_LeverAgainstOldWay(benchmark::State& state, Lever lever) {
    Fixture& f = Shared();
    FrameLayout oldLayout = f.layout;
    const auto oldPage = lever == Lever::kDistantMolecule ? DensePageWithFineMolecule(f)
                                                          : DensePageWithBitmapLabels(f, oldLayout);
    std::vector<double> newMs, oldMs;
    for (auto _ : state) {
        newMs.push_back(MillisecondsOf([&] { f.renderer->DrawOnly(f.page.get(), f.layout); }));
        oldMs.push_back(MillisecondsOf([&] { f.renderer->DrawOnly(oldPage.get(), oldLayout); }));
    }
    state.counters["new_ms"] = Median(newMs);
    state.counters["old_ms"] = Median(oldMs);
    state.counters["new_per_old"] = Median(newMs) / Median(oldMs);
}

// The whole export of the dense page: hidden lines, texts and the file's bytes in memory.
qint64 PdfOfDensePage(Fixture& f) {
    VectorLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    // As the program exports: a point of the sheet for each pixel.
    pdf.setResolution(72);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QSizeF(kWidth, kHeight), QPageSize::Point, {}, QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&pdf);
    DrawVectorFrame(painter, f.page.get(), f.settings, layout, OutputPalette::Screen(f.settings));
    painter.end();
    return bytes.size();
}

qint64 SvgOfDensePage(Fixture& f) {
    VectorLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    SvgCanvas svg(QSize(kWidth, kHeight), QStringLiteral("dense"));
    DrawVectorFrame(svg, f.page.get(), f.settings, layout, OutputPalette::Screen(f.settings));
    return static_cast<qint64>(svg.Finish().size());
}

qint64 TikzOfDensePage(Fixture& f) {
    VectorLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    TikzCanvas tikz(QSize(kWidth, kHeight), kTikzColumnCm / kWidth, layout.labelPixelSize);
    DrawVectorFrame(tikz, f.page.get(), f.settings, layout, OutputPalette::Paper(f.settings));
    return static_cast<qint64>(StandaloneTikzDocument(tikz, QStringLiteral("dense")).size());
}

void BM_DensePageVectorExport(benchmark::State& state, qint64 (*exportPage)(Fixture&)) {
    Fixture& f = Shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(exportPage(f));
    }
}

// A frame and the PDF, SVG and TikZ exports of the dense page in turn, with the ratios of their
// times to the frame's: the machine's speed drifts between runs, so only times taken side by
// side compare.
void BM_DensePageExportsAgainstFrame(benchmark::State& state) {
    Fixture& f = Shared();
    double frameMs = 0.0, pdfMs = 0.0, svgMs = 0.0, tikzMs = 0.0;
    for (auto _ : state) {
        frameMs += MillisecondsOf([&] { f.renderer->DrawOnly(f.page.get(), f.layout); });
        pdfMs += MillisecondsOf([&] { benchmark::DoNotOptimize(PdfOfDensePage(f)); });
        svgMs += MillisecondsOf([&] { benchmark::DoNotOptimize(SvgOfDensePage(f)); });
        tikzMs += MillisecondsOf([&] { benchmark::DoNotOptimize(TikzOfDensePage(f)); });
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["frame_ms"] = frameMs / n;
    state.counters["pdf_ms"] = pdfMs / n;
    state.counters["svg_ms"] = svgMs / n;
    state.counters["tikz_ms"] = tikzMs / n;
    state.counters["pdf_ratio"] = pdfMs / frameMs;
    state.counters["svg_ratio"] = svgMs / frameMs;
    state.counters["tikz_ratio"] = tikzMs / frameMs;
}

BENCHMARK(BM_ClearOnlyFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DensePageFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_DensePageVectorExport, pdf, &PdfOfDensePage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DensePageVectorExport, svg, &SvgOfDensePage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DensePageVectorExport, tikz, &TikzOfDensePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DensePageExportsAgainstFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_DensePageThreeViews)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DensePageSmallFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
// Timed by the clock: the renderer's own threads do most of the work.
BENCHMARK_CAPTURE(BM_DensePageFrameAgainstFloor, whole, [](const Fixture& f) { return f.layout; })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0);
BENCHMARK_CAPTURE(BM_DensePageFrameAgainstFloor, three_views, &ThreeViewLayout)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0);
BENCHMARK_CAPTURE(BM_DensePageFrameAgainstFloor, quarter, &QuarterLayout)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0);
BENCHMARK_CAPTURE(BM_LeverAgainstOldWay, distant_molecule, Lever::kDistantMolecule)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0);
BENCHMARK_CAPTURE(BM_LeverAgainstOldWay, label_atlas, Lever::kLabelAtlas)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0);
BENCHMARK_CAPTURE(BM_DensePagePart, lines, kLinesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DensePagePart, faces, kFacesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DensePagePart, solids, kSolidsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DensePagePart, texts, kTextsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DensePagePart, labels, kLabelsOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velnor

int main(int argc, char** argv) {
    std::string error;
    if (!velnor::EnsureDisplay(error)) {
        std::fprintf(stderr, "gl_frame_bench: %s\n", error.c_str());
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
