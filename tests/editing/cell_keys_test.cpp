#include <gtest/gtest.h>

#include <memory>

#include "editing/editing_fixture.h"
#include "editing/record_additions.h"
#include "model/cell_keys.h"

namespace velnor {
namespace {

// One of the five maps of a page, reached the ways a test needs.
struct MapCase {
    const char* name;
    uint16_t first;
    uint16_t CGpage::*counter;
    size_t (*size)(const CGpage&);
    const void* (*at)(const CGpage&, uint16_t key);  // null when no cell has the key
    void (*put)(CGpage&, uint16_t key);              // straight into the map
    uint16_t (*add)(CGpage&);                        // through the page, as commands do
    AddedCells two;
};

template <typename Cell, CellMap<Cell> CGpage::*Map>
const void* CellAt(const CGpage& page, uint16_t key) {
    const auto it = (page.*Map).find(key);
    return it == (page.*Map).end() ? nullptr : it->second.get();
}

template <typename Cell, CellMap<Cell> CGpage::*Map>
size_t SizeOf(const CGpage& page) {
    return (page.*Map).size();
}

const MapCase kMaps[] = {
    {"lines",
     1,
     &CGpage::m_nNextLineId,
     SizeOf<CLineCell, &CGpage::m_lines>,
     CellAt<CLineCell, &CGpage::m_lines>,
     [](CGpage& p, uint16_t key) { p.m_lines[key] = std::make_unique<CLineCell>(); },
     [](CGpage& p) { return p.AddLine(0, 1, 0); },
     {.lines = 2}},
    {"faces",
     1,
     &CGpage::m_nNextFaceId,
     SizeOf<CFaceCell, &CGpage::m_faces>,
     CellAt<CFaceCell, &CGpage::m_faces>,
     [](CGpage& p, uint16_t key) { p.m_faces[key] = std::make_unique<CFace3>(); },
     [](CGpage& p) { return p.AddFace(std::make_unique<CFace3>()); },
     {.faces = 2}},
    {"solids",
     1,
     &CGpage::m_nNextSolidId,
     SizeOf<CSubassembly, &CGpage::m_solids>,
     CellAt<CSubassembly, &CGpage::m_solids>,
     [](CGpage& p, uint16_t key) { p.m_solids[key] = std::make_unique<CSubassembly>(); },
     [](CGpage& p) { return p.AddSolid(std::make_unique<CSubassembly>()); },
     {.solids = 2}},
    {"buttons",
     CGpage::kFirstButtonKey,
     &CGpage::m_nNextButtonId,
     SizeOf<CBtCmd, &CGpage::m_buttons>,
     CellAt<CBtCmd, &CGpage::m_buttons>,
     [](CGpage& p, uint16_t key) { p.m_buttons[key] = std::make_unique<CBtnShow>(); },
     [](CGpage& p) { return p.AddButton(std::make_unique<CBtnShow>()); },
     {.buttons = 2}},
    {"texts",
     1,
     &CGpage::m_nNextTextId,
     SizeOf<CDTextCell, &CGpage::m_texts>,
     CellAt<CDTextCell, &CGpage::m_texts>,
     [](CGpage& p, uint16_t key) { p.m_texts[key] = std::make_unique<CDTextCell>(); },
     [](CGpage& p) { return p.AddText(std::make_unique<CDTextCell>()); },
     {.texts = 2}},
};

class CellKeys : public test::EditingTest, public ::testing::WithParamInterface<MapCase> {
protected:
    const MapCase& Map() { return GetParam(); }
    uint16_t& Counter() { return Page().*Map().counter; }
    // Cells under `count` keys from `from` on, and the counter pointing at the first of them.
    void PutFrom(uint16_t from, int count) {
        for (int i = 0; i < count; ++i) {
            Map().put(Page(), static_cast<uint16_t>(from + i));
        }
        Counter() = from;
    }
};

TEST_P(CellKeys, TheLastKeyIsHandedOutAndTheNextSkipsTheFirstInUse) {
    Counter() = UINT16_MAX;
    EXPECT_EQ(Map().add(Page()), UINT16_MAX);
    EXPECT_EQ(Counter(), 0);  // the stored counter wraps as it always did
    Map().put(Page(), Map().first);
    EXPECT_EQ(Map().add(Page()), Map().first + 1);
    EXPECT_EQ(Counter(), Map().first + 2);
    EXPECT_EQ(Map().size(Page()), 3u);
}

TEST_P(CellKeys, AStaleCounterNeverReplacesACell) {
    PutFrom(Map().first, 12);
    const void* firstCell = Map().at(Page(), Map().first);
    EXPECT_EQ(Map().add(Page()), Map().first + 12);
    EXPECT_EQ(Map().add(Page()), Map().first + 13);
    EXPECT_EQ(Map().at(Page(), Map().first), firstCell);
    EXPECT_EQ(Map().size(Page()), 14u);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_P(CellKeys, AFullMapRefusesWithAMessageAndChangesNothing) {
    const int range = UINT16_MAX - Map().first + 1;
    PutFrom(Map().first, range);
    Counter() = 77;
    EXPECT_FALSE(Page().HasKeysFor(Map().two));
    EXPECT_EQ(Map().add(Page()), 0);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{kPageFullMessage}));
    EXPECT_EQ(Map().size(Page()), static_cast<size_t>(range));
    EXPECT_EQ(Counter(), 77);
}

TEST_P(CellKeys, UndoAndRedoTakeBackExactlyTheSkippingKeys) {
    // Keys first+1 and first+3 are in use, the counter points at the first key: the two new
    // cells take first and first+2.
    Map().put(Page(), Map().first + 1);
    Map().put(Page(), Map().first + 3);
    Counter() = Map().first;
    Map().add(Page());
    Map().add(Page());
    RecordAdditions(doc, "添加", Map().two);
    ASSERT_EQ(Map().size(Page()), 4u);
    ASSERT_EQ(Counter(), Map().first + 3);

    History().Undo();
    EXPECT_EQ(Map().size(Page()), 2u);
    EXPECT_EQ(Map().at(Page(), Map().first), nullptr);
    EXPECT_EQ(Map().at(Page(), Map().first + 2), nullptr);
    EXPECT_NE(Map().at(Page(), Map().first + 3), nullptr);
    EXPECT_EQ(Counter(), Map().first);

    History().Redo();
    EXPECT_NE(Map().at(Page(), Map().first), nullptr);
    EXPECT_NE(Map().at(Page(), Map().first + 2), nullptr);
    EXPECT_EQ(Map().size(Page()), 4u);
    EXPECT_EQ(Counter(), Map().first + 3);
}

INSTANTIATE_TEST_SUITE_P(EveryMap, CellKeys, ::testing::ValuesIn(kMaps),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velnor
