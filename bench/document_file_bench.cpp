// Load and save of a large document (100 pages of 200 vertices, 300 lines, 100 faces, 20 solids,
// 10 texts and 5 buttons), in memory and through files, beside plain file reading and writing of
// the same number of bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "model/bit_text.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "persistence/document_io.h"

namespace velnor {
namespace {

std::unique_ptr<CGpage> LargePage(uint16_t id) {
    auto page = std::make_unique<CGpage>();
    page->m_nId = id;
    page->m_strName = PageNameForId(id);
    for (int i = 0; i < 200; ++i) {
        page->AddVertex(0.5f * i, 0.25f * (i % 17), -0.125f * (i % 5));
    }
    for (int i = 0; i < 300; ++i) {
        page->AddLine(static_cast<uint8_t>(i % 200), static_cast<uint8_t>((i * 7 + 1) % 200),
                      static_cast<uint8_t>(i % 4));
    }
    for (int i = 0; i < 100; ++i) {
        const int quad[] = {i, i + 1, i + 2, i + 3};
        const int tri[] = {i, i + 1, i + 2};
        if (i % 2 == 0) {
            page->AddFace(tri);
        } else {
            page->AddFace(quad);
        }
    }
    for (int i = 0; i < 20; ++i) {
        if (i % 10 == 9) {
            page->AddSolid(std::make_unique<CBitText>(64, 16, std::vector<uint8_t>(128, 0x5A)));
        } else {
            page->AddSolid(std::make_unique<CSubassembly>(
                static_cast<uint8_t>(i % 26), 0, Float3{1, 2, 3}, 0.0f, Float3{0, 0, 1},
                Float3{1, 1, 1}, 0.5, 0, Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
            page->m_solids.at(static_cast<uint16_t>(i + 1))->m_strName = SolidKindName(i % 26);
        }
    }
    for (int i = 0; i < 10; ++i) {
        auto text = std::make_unique<CDTextCell>(3);
        text->m_strName = "距离";
        text->m_strText = "距离AB=12.3456";
        text->m_nVertCount = 2;
        text->m_verts = {static_cast<uint8_t>(i), static_cast<uint8_t>(i + 1)};
        page->AddText(std::move(text));
    }
    auto show = std::make_unique<CBtnShow>();
    show->m_targetVerts = {0, 1, 2};
    show->m_targetLines = {1, 2};
    page->AddButton(std::move(show));
    auto translate = std::make_unique<CBtnTranslate>();
    translate->m_targetVerts = {3, 4, 5, 6};
    translate->ResizeSaved();
    page->AddButton(std::move(translate));
    auto rotate = std::make_unique<CBtnRotatef>();
    rotate->m_targetVerts = {7, 8};
    rotate->m_targetSolids = {1, 2};
    rotate->ResizeSaved();
    page->AddButton(std::move(rotate));
    auto parallel = std::make_unique<CBtnSerues>();
    parallel->m_members = {3024, 3025};
    page->AddButton(std::move(parallel));
    auto serial = std::make_unique<CBtnSerues2>();
    serial->m_members = {3025, 3026};
    page->AddButton(std::move(serial));
    page->m_selPoints = {1, 2, 3};
    return page;
}

std::vector<uint8_t> LargeDocumentBytes() {
    CPlomDoc doc;
    doc.OnNewDocument();
    doc.m_pages.clear();
    for (uint16_t id = 1; id <= 100; ++id) {
        doc.m_pages.push_back(LargePage(id));
    }
    doc.m_nNextPageId = 101;
    doc.SetNotesRtf("{\\rtf1\\ansi\\ansicpg936 \\'b1\\'ca\\'bc\\'c7}\r\n");
    doc.m_posCurPage = doc.m_pages.begin();
    doc.m_pCurPage = doc.m_pages.front().get();
    return SaveDocument(doc);
}

const std::vector<uint8_t>& LargeDocument() {
    static const std::vector<uint8_t> bytes = LargeDocumentBytes();
    return bytes;
}

std::filesystem::path BenchFile(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

// Opening a file fills a fresh document; freeing the one it replaces is not part of loading.
// glibc finishes freeing small blocks only when a large block is next asked for, which would
// charge the rest of that work to the next load; asking for one here finishes it untimed.
void DropUntimed(benchmark::State& state, std::unique_ptr<CPlomDoc>& doc) {
    state.PauseTiming();
    doc.reset();
    void* largeBlock = std::malloc(1 << 16);
    benchmark::DoNotOptimize(largeBlock);
    std::free(largeBlock);
    state.ResumeTiming();
}

void BM_LoadDocument(benchmark::State& state) {
    const auto& bytes = LargeDocument();
    for (auto _ : state) {
        auto doc = std::make_unique<CPlomDoc>();
        LoadDocument(*doc, bytes);
        DropUntimed(state, doc);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_SaveDocument(benchmark::State& state) {
    CPlomDoc doc;
    LoadDocument(doc, LargeDocument());
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveDocument(doc));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * LargeDocument().size()));
}

void BM_LoadAndSaveDocument(benchmark::State& state) {
    const auto& bytes = LargeDocument();
    for (auto _ : state) {
        auto doc = std::make_unique<CPlomDoc>();
        LoadDocument(*doc, bytes);
        benchmark::DoNotOptimize(SaveDocument(*doc));
        DropUntimed(state, doc);
    }
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void BM_LoadAndSaveDocumentFile(benchmark::State& state) {
    const auto in = BenchFile("velnor-bench-in.plm");
    const auto out = BenchFile("velnor-bench-out.plm");
    WriteFileReplacing(in, LargeDocument());
    for (auto _ : state) {
        auto doc = std::make_unique<CPlomDoc>();
        LoadDocumentFile(*doc, in);
        SaveDocumentFile(*doc, out);
        DropUntimed(state, doc);
    }
    std::filesystem::remove(in);
    std::filesystem::remove(out);
}

// What reading and writing the same bytes costs without any document behind them.
void BM_ReadAndWriteSameBytes(benchmark::State& state) {
    const auto in = BenchFile("velnor-bench-raw-in.plm");
    const auto out = BenchFile("velnor-bench-raw-out.plm");
    WriteFileReplacing(in, LargeDocument());
    for (auto _ : state) {
        const auto bytes = ReadWholeFile(in);
        WriteFileReplacing(out, bytes);
    }
    std::filesystem::remove(in);
    std::filesystem::remove(out);
}

BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndSaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndSaveDocumentFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndWriteSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velnor

BENCHMARK_MAIN();
