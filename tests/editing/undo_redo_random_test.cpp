#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editing/clear_operation.h"
#include "editing/cmd_modifi_btn.h"
#include "editing/page_operations.h"
#include "editing/properties.h"
#include "editing/record_additions.h"
#include "editing/solid_array.h"
#include "editing_fixture.h"
#include "geometry/measure_text.h"
#include "model/bit_text.h"
#include "model/button_window.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

constexpr test::PageComparison kIgnoringLabels{.labelCounters = false};

// The pages of a document in order, and which one is current.
struct DocumentState {
    std::vector<std::unique_ptr<CGpage>> pages;
    int current = 0;
};

DocumentState Capture(const CPlomDoc& doc) {
    DocumentState state;
    for (const auto& page : doc.m_pages) {
        state.pages.push_back(test::CopyPage(*page));
    }
    state.current = doc.CurrentPageNumber();
    return state;
}

::testing::AssertionResult SameDocument(const DocumentState& expected, const CPlomDoc& doc,
                                        test::PageComparison options) {
    if (expected.pages.size() != doc.m_pages.size()) {
        return ::testing::AssertionFailure()
               << expected.pages.size() << " pages expected, " << doc.m_pages.size() << " found";
    }
    if (expected.current != doc.CurrentPageNumber()) {
        return ::testing::AssertionFailure() << "page " << expected.current << " expected current, "
                                             << doc.CurrentPageNumber() << " is";
    }
    auto page = doc.m_pages.begin();
    for (const auto& expectedPage : expected.pages) {
        auto result = test::PagesEqual(*expectedPage, **page++, options);
        if (!result) {
            return result << "on the page with id " << expectedPage->m_nId;
        }
    }
    return ::testing::AssertionSuccess();
}

// Only the current page's buttons have windows, each created once and destroyed once.
::testing::AssertionResult WindowsMatchCurrentPage(const test::RecordingButtonWindows& windows,
                                                   const CPlomDoc& doc) {
    std::vector<uint16_t> expected;
    for (const auto& [key, button] : doc.CurrentPage().m_buttons) {
        expected.push_back(key);
    }
    std::vector<uint16_t> actual;
    for (const auto& [key, window] : windows.windows) {
        actual.push_back(key);
    }
    if (expected != actual || windows.doubleCreates != 0 || windows.strayDestroys != 0) {
        return ::testing::AssertionFailure()
               << expected.size() << " buttons, " << actual.size() << " windows, "
               << windows.doubleCreates << " created twice, " << windows.strayDestroys
               << " destroyed without a window";
    }
    return ::testing::AssertionSuccess();
}

// Random edits of every kind this history records, each starting and ending with nothing
// selected (the commands do not give back a selection they emptied).
class RandomEditor {
public:
    RandomEditor(CPlomDoc& doc, unsigned seed) : m_doc(doc), m_random(seed) {}

    void EditOnce() {
        switch (Pick(17)) {
            case 0:
            case 1:
                AddPoints();
                break;
            case 2:
                AddLines();
                break;
            case 3:
                AddFace();
                break;
            case 4:
                AddTriangleWithText();
                break;
            case 5:
                AddSolid();
                break;
            case 6:
                AddButton();
                break;
            case 7:
                AddText();
                break;
            case 8:
                ModifyAVertex();
                break;
            case 9:
                ModifyASolid();
                break;
            case 10:
                ModifyAButton();
                break;
            case 11:
            case 12:
                DeleteSome();
                break;
            case 13:
                DeleteThePage();
                break;
            case 14:
                NewPage(m_doc);
                break;
            case 15:
                SwitchPages();
                break;
            case 16:
                ArraySolid();
                break;
        }
        Page().ClearSelection();
        m_doc.m_bPageSelected = false;
    }

    int Pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

private:
    CGpage& Page() { return m_doc.CurrentPage(); }
    float Coordinate() { return static_cast<float>(Pick(21) - 10); }
    uint8_t Vertex() { return static_cast<uint8_t>(Pick(Page().m_nVertexCount)); }

    template <typename Cell>
    std::vector<int> SomeKeys(const CellMap<Cell>& map) {
        std::vector<int> keys;
        for (const auto& [key, cell] : map) {
            if (Pick(4) == 0) {
                keys.push_back(key);
            }
        }
        return keys;
    }

    template <typename Cell>
    int AnyKey(const CellMap<Cell>& map) {
        auto it = map.begin();
        std::advance(it, Pick(static_cast<int>(map.size())));
        return it->first;
    }

    void AddPoints() {
        const int count = 1 + Pick(3);
        if (!Page().HasRoomFor(count)) {
            return;
        }
        for (int i = 0; i < count; ++i) {
            Page().AddVertex(Coordinate(), Coordinate(), Coordinate());
        }
        RecordAdditions(m_doc, "添加点", {.points = count});
    }

    void AddLines() {
        if (Page().m_nVertexCount < 2) {
            return;
        }
        const int count = 1 + Pick(2);
        for (int i = 0; i < count; ++i) {
            Page().AddLine(Vertex(), Vertex(), static_cast<uint8_t>(Pick(4)));
        }
        RecordAdditions(m_doc, "添加线", {.lines = count});
    }

    void AddFace() {
        if (Page().m_nVertexCount < 3) {
            return;
        }
        std::vector<int> verts;
        const int count = 3 + Pick(2);
        for (int i = 0; i < count; ++i) {
            verts.push_back(Vertex());
        }
        if (Page().AddFace(verts)) {
            RecordAdditions(m_doc, "添加面", {.faces = 1});
        }
    }

    void AddTriangleWithText() {
        if (!Page().HasRoomFor(3)) {
            return;
        }
        const int first = Page().m_nVertexCount;
        Page().AddVertex(0, 0, 0);
        Page().AddVertex(Coordinate(), 1, 0);
        Page().AddVertex(0, Coordinate(), 2);
        Page().ClosePolygon();
        Page().AddFace(std::vector<int>{first, first + 1, first + 2});
        auto text = std::make_unique<CDTextCell>(1);
        text->m_nVertCount = 2;
        text->m_verts = {static_cast<uint8_t>(first), static_cast<uint8_t>(first + 2)};
        AddMeasured(std::move(text));
        RecordAdditions(m_doc, "添加三棱锥", {.points = 3, .lines = 3, .faces = 1, .texts = 1});
    }

    void AddSolid() {
        std::unique_ptr<CSubassembly> solid;
        if (Pick(5) == 0) {
            solid = Pick(2) ? std::make_unique<CBitText>() : std::make_unique<CBitRtfText>();
        } else {
            solid = std::make_unique<CSubassembly>(static_cast<uint8_t>(Pick(27)), 0,
                                                   Float3{Coordinate(), Coordinate(), 0},
                                                   Coordinate(), Float3{0, 0, 1}, Float3{1, 2, 3},
                                                   0.5, 0, Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0});
        }
        Page().AddSolid(std::move(solid));
        RecordAdditions(m_doc, "添加组件", {.solids = 1});
    }

    void AddButton() {
        std::unique_ptr<CBtCmd> button;
        if (!Page().m_buttons.empty() && Pick(3) == 0) {
            auto series = std::make_unique<CBtnSerues2>();
            series->m_members = SomeKeys(Page().m_buttons);
            button = std::move(series);
        } else {
            auto show = std::make_unique<CBtnShow>();
            for (int i = 0; i < Page().m_nVertexCount; ++i) {
                if (Pick(5) == 0) {
                    show->m_targetVerts.push_back(i);
                }
            }
            show->m_targetLines = SomeKeys(Page().m_lines);
            show->m_targetFaces = SomeKeys(Page().m_faces);
            show->m_targetSolids = SomeKeys(Page().m_solids);
            button = std::move(show);
        }
        const uint16_t key = Page().AddButton(std::move(button));
        CreateButtonWindow(*Page().m_buttons.at(key), true);
        RecordAdditions(m_doc, "添加显示隐藏按钮", {.buttons = 1});
    }

    // As the measure commands do, a text shows its value from the start.
    void AddMeasured(std::unique_ptr<CDTextCell> text) {
        CDTextCell& added = *text;
        Page().AddText(std::move(text));
        UpdateMeasure(Page(), added);
    }

    void AddText() {
        if (Page().m_nVertexCount == 0) {
            return;
        }
        auto text = std::make_unique<CDTextCell>(static_cast<uint8_t>(Pick(9)));
        text->m_nVertCount = static_cast<uint32_t>(1 + Pick(CDTextCell::kMaxVerts));
        for (uint32_t i = 0; i < text->m_nVertCount; ++i) {
            text->m_verts[i] = Vertex();
        }
        text->m_strText = "d=" + std::to_string(Pick(100));
        AddMeasured(std::move(text));
        RecordAdditions(m_doc, "添加距离度量文本", {.texts = 1});
    }

    void ModifyAVertex() {
        if (Page().m_nVertexCount == 0) {
            return;
        }
        VertexValues values{{Coordinate(), Coordinate(), Coordinate()},
                            {static_cast<uint8_t>(Pick(256)), 0, 255},
                            std::string(1, static_cast<char>('K' + Pick(10))),
                            Pick(2) == 0};
        ModifyVertex(m_doc, Vertex(), values);
    }

    void ModifyASolid() {
        if (Page().m_solids.empty()) {
            return;
        }
        Page().m_selSolids = {AnyKey(Page().m_solids)};
        const float x = Coordinate();
        EditSelectedSolid(
            m_doc,
            [x](CSubassembly& solid) {
                solid.m_position[0] = x;
                solid.m_scale = {x, 1, 1};
            },
            [](CBitRtfText&) {});
    }

    void ModifyAButton() {
        if (Page().m_buttons.empty()) {
            return;
        }
        const auto key = static_cast<uint16_t>(AnyKey(Page().m_buttons));
        CBtCmd& button = *Page().m_buttons.at(key);
        m_doc.CommandProcessor().AddCommand(std::make_unique<CCmdModifiBtn>(
            key, m_doc, "修改显示隐藏按钮", test::CopyButton(button)));
        button.m_strCaption = "改" + std::to_string(Pick(10));
        button.m_bHidden = static_cast<uint8_t>(Pick(2));
    }

    void DeleteSome() {
        for (int i = 0; i < Page().m_nVertexCount; ++i) {
            if (Pick(5) == 0) {
                Page().m_selPoints.push_back(i);
            }
        }
        Page().m_selLines = SomeKeys(Page().m_lines);
        Page().m_selFaces = SomeKeys(Page().m_faces);
        Page().m_selSolids = SomeKeys(Page().m_solids);
        Page().m_selButtons = SomeKeys(Page().m_buttons);
        Page().m_selTexts = SomeKeys(Page().m_texts);
        ClearSelected(m_doc, false);
    }

    void DeleteThePage() {
        m_doc.m_bPageSelected = true;
        ClearSelected(m_doc, false);
    }

    void SwitchPages() {
        switch (Pick(3)) {
            case 0:
                NextPage(m_doc);
                break;
            case 1:
                PreviousPage(m_doc);
                break;
            default:
                SwitchToPage(m_doc, 1 + Pick(static_cast<int>(m_doc.m_pages.size())));
        }
    }

    void ArraySolid() {
        if (Page().m_solids.empty()) {
            return;
        }
        Page().m_selSolids = {AnyKey(Page().m_solids)};
        AddSolidArray(m_doc, {{1 + Pick(2), 1 + Pick(2), 1}, {2.0f, 3.0f, 1.0f}});
    }

    CPlomDoc& m_doc;
    std::mt19937 m_random;
};

class UndoRedoRandomTest : public test::EditingTest, public ::testing::WithParamInterface<int> {};

TEST_P(UndoRedoRandomTest, UndoingEverythingGivesBackEachStateAndRedoingGivesTheEdits) {
    RandomEditor editor(doc, static_cast<unsigned>(GetParam()));
    std::vector<DocumentState> states;
    states.push_back(Capture(doc));
    const int steps = 20 + editor.Pick(40);
    for (int step = 0; step < steps; ++step) {
        if (editor.Pick(8) == 0 && History().CanUndo()) {
            for (int undo = 1 + editor.Pick(3); undo > 0 && History().Undo(); --undo) {
                states.pop_back();
                ASSERT_TRUE(SameDocument(states.back(), doc, kIgnoringLabels))
                    << "undoing in the middle, step " << step;
            }
        }
        const int menuCalls = menu.calls;
        editor.EditOnce();
        ASSERT_TRUE(WindowsMatchCurrentPage(windows, doc)) << "step " << step;
        if (menu.calls != menuCalls) {
            states.push_back(Capture(doc));
        } else {
            ASSERT_TRUE(SameDocument(states.back(), doc, kIgnoringLabels))
                << "an edit that records nothing changed the document, step " << step;
        }
    }
    const DocumentState edited = Capture(doc);
    for (size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(History().Undo());
        ASSERT_TRUE(SameDocument(states[i], doc, kIgnoringLabels)) << "undo back to state " << i;
        ASSERT_TRUE(WindowsMatchCurrentPage(windows, doc)) << "undo back to state " << i;
    }
    EXPECT_FALSE(History().CanUndo());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(History().Redo());
        ASSERT_TRUE(SameDocument(states[i], doc, kIgnoringLabels)) << "redo to state " << i;
        ASSERT_TRUE(WindowsMatchCurrentPage(windows, doc)) << "redo to state " << i;
    }
    EXPECT_TRUE(SameDocument(edited, doc, {}));
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoRedoRandomTest, ::testing::Range(0, 300));

}  // namespace
}  // namespace velnor
