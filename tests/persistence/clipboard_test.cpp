#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/bit_text.h"
#include "persistence/archive_error.h"
#include "persistence/clipboard_copy.h"
#include "persistence/clipboard_payload.h"
#include "persistence/merge_from_archive.h"
#include "persistence/sample_pages.h"
#include "support/recording_button_windows.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<CGpage> PageWithVertices(int count) {
    auto page = std::make_unique<CGpage>();
    for (int i = 0; i < count; ++i) {
        page->AddVertex(static_cast<float>(i), 0.0f, 0.0f);
    }
    page->ClearSelection();
    return page;
}

bool Paste(CGpage& page, const Bytes& bytes) {
    ClipboardContent content = DecodeClipboard(bytes);
    EXPECT_FALSE(content.page);
    return MergeFromArchive(page, std::move(content.selection));
}

TEST(ClipboardCopy, PageWithComponentSolidsWarnsAndResetsItsComponentNumber) {
    test::RecordingMessages messages;
    auto page = test::PageWithEveryRecordKind(1);
    auto second = std::make_unique<CSubassembly>();
    second->m_nKind = kSolidPageComponent;
    page->AddSolid(std::move(second));
    ASSERT_EQ(page->m_nComponentList, 2);

    const Bytes bytes = CopyToClipboard(*page, true);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "本页组件有2处对页进行了引用，复制后仅可用于当前文档！\n\n"
              "若要用于它处，请修改这些组件的链接页。");
    EXPECT_EQ(page->m_nComponentList, 0);
    EXPECT_EQ(bytes[0], 1);
    const ClipboardContent content = DecodeClipboard(bytes);
    ASSERT_TRUE(content.page);
    EXPECT_EQ(content.page->m_nComponentList, 0);
    EXPECT_EQ(content.page->m_solids.size(), 5u);
    EXPECT_EQ(content.page->m_buttons.size(), 6u);
}

TEST(ClipboardCopy, PageWithoutComponentSolidsCopiesSilently) {
    test::RecordingMessages messages;
    auto page = PageWithVertices(3);
    CopyToClipboard(*page, true);
    EXPECT_TRUE(messages.texts.empty());
}

TEST(ClipboardCopy, LineEntryPutsTheEndpointsBeforeTheName) {
    auto page = PageWithVertices(2);
    page->AddLine(0, 1, kVector);
    page->m_selLines = {1};
    const Bytes bytes = CopyToClipboard(*page, false);
    const Bytes expected{0,                       // a selection
                         0, 0, 0, 0, 0, 0, 0, 0,  // no vertices, no buttons
                         1, 0, 0, 0,              // one line
                         1, 0, 0, 1,              // key 1, from 0 to 1
                         2, 'A', 'B', 0, 3,       // name, shown, kind
                         0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(bytes, expected);
}

TEST(ClipboardCopy, SelectedSeriesBringsItsMembersAndTheirTargetsAndSelectionIsRestored) {
    auto page = PageWithVertices(4);
    page->AddLine(0, 1, kSegment);
    auto show = std::make_unique<CBtnShow>();
    show->m_targetVerts = {2};
    show->m_targetLines = {1};
    page->AddButton(std::move(show));  // 3024
    auto translate = std::make_unique<CBtnTranslate>();
    translate->m_targetVerts = {3};
    translate->ResizeSaved();
    page->AddButton(std::move(translate));  // 3025
    auto serial = std::make_unique<CBtnSerues2>();
    serial->m_members = {3024, 3025};
    page->AddButton(std::move(serial));  // 3026
    auto outer = std::make_unique<CBtnSerues>();
    outer->m_members = {3026};
    page->AddButton(std::move(outer));  // 3027
    page->m_selButtons = {3027};
    page->m_selPoints = {0};

    const Bytes bytes = CopyToClipboard(*page, false);
    EXPECT_EQ(page->m_selButtons, (std::vector<int>{3027}));
    EXPECT_EQ(page->m_selPoints, (std::vector<int>{0}));
    EXPECT_TRUE(page->m_selLines.empty());

    const ClipboardContent content = DecodeClipboard(bytes);
    const ClipboardSelection& selection = content.selection;
    ASSERT_EQ(selection.buttons.size(), 4u);
    EXPECT_EQ(selection.buttons[0]->m_nKey, 3027);
    EXPECT_EQ(selection.buttons[1]->m_nKey, 3026);
    EXPECT_EQ(selection.buttons[2]->m_nKey, 3024);
    EXPECT_EQ(selection.buttons[3]->m_nKey, 3025);
    ASSERT_EQ(selection.vertices.size(), 3u);
    EXPECT_EQ(selection.vertices[1].sourceIndex, 2);
    EXPECT_EQ(selection.vertices[2].sourceIndex, 3);
    ASSERT_EQ(selection.lines.size(), 1u);
}

TEST(ClipboardPaste, GivesFreshKeysAndSelectsOnlyTheLatestPaste) {
    test::RecordingButtonWindows windows;
    auto source = PageWithVertices(3);
    source->AddLine(0, 1, kSegment);
    const int tri[] = {0, 1, 2};
    source->AddFace(tri);
    source->AddSolid(std::make_unique<CSubassembly>());
    auto text = std::make_unique<CDTextCell>(1);
    text->m_nVertCount = 2;
    text->m_verts = {1, 2};
    source->AddText(std::move(text));
    auto translate = std::make_unique<CBtnTranslate>();
    translate->m_targetVerts = {1};
    translate->m_targetSolids = {1};
    translate->ResizeSaved();
    source->AddButton(std::move(translate));
    source->SelectEverything();
    const Bytes bytes = CopyToClipboard(*source, false);

    auto target = PageWithVertices(5);
    target->AddLine(0, 4, kSegment);
    ASSERT_TRUE(Paste(*target, bytes));
    ASSERT_TRUE(Paste(*target, bytes));

    EXPECT_EQ(target->m_nVertexCount, 11);
    EXPECT_EQ(target->m_selPoints, (std::vector<int>{8, 9, 10}));
    EXPECT_EQ(target->m_selLines, (std::vector<int>{3}));
    EXPECT_EQ(target->m_selFaces, (std::vector<int>{2}));
    EXPECT_EQ(target->m_selSolids, (std::vector<int>{2}));
    EXPECT_EQ(target->m_selTexts, (std::vector<int>{2}));
    EXPECT_EQ(target->m_selButtons, (std::vector<int>{3025}));
    EXPECT_EQ(target->m_lines.at(2)->m_nStart, 5);
    EXPECT_EQ(target->m_lines.at(3)->m_nStart, 8);
    EXPECT_EQ(target->m_lines.at(3)->m_nEnd, 9);
    EXPECT_EQ(std::vector<uint8_t>(target->m_faces.at(2)->Verts().begin(),
                                   target->m_faces.at(2)->Verts().end()),
              (std::vector<uint8_t>{8, 9, 10}));
    EXPECT_EQ(target->m_texts.at(2)->m_verts[0], 9);
    EXPECT_EQ(target->m_texts.at(2)->m_verts[1], 10);
    const CBtCmd& button = *target->m_buttons.at(3025);
    EXPECT_EQ(button.m_nKey, 3025);
    EXPECT_EQ(button.m_targetVerts, (std::vector<int>{9}));
    EXPECT_EQ(button.m_targetSolids, (std::vector<int>{2}));
    EXPECT_EQ(button.m_rect, (CRect{15, 40, 95, 65}));
    ASSERT_EQ(windows.windows.size(), 2u);
    EXPECT_EQ(windows.windows.at(3025).caption, "平移");
    EXPECT_TRUE(windows.Visible(3024));
    EXPECT_TRUE(windows.Visible(3025));
}

TEST(ClipboardPaste, SeriesMembersFollowTheirNewKeys) {
    test::RecordingButtonWindows windows;
    auto source = PageWithVertices(1);
    source->AddButton(std::make_unique<CBtnShow>());
    source->AddButton(std::make_unique<CBtnShow>());
    auto serial = std::make_unique<CBtnSerues2>();
    serial->m_members = {3025, 3024};
    source->AddButton(std::move(serial));
    source->m_selButtons = {3026};
    const Bytes bytes = CopyToClipboard(*source, false);

    auto target = PageWithVertices(1);
    target->AddButton(std::make_unique<CBtnShow>());
    ASSERT_TRUE(Paste(*target, bytes));
    EXPECT_EQ(target->m_selButtons, (std::vector<int>{3025, 3026, 3027}));
    const auto& pasted = dynamic_cast<const CBtnSerues2&>(*target->m_buttons.at(3025));
    EXPECT_EQ(pasted.m_members, (std::vector<int>{3026, 3027}));
}

TEST(ClipboardPaste, LineWhoseEndpointsWereNotCopiedKeepsItsIndices) {
    auto source = PageWithVertices(4);
    source->AddLine(2, 3, kSegment);
    source->m_selLines = {1};
    const Bytes bytes = CopyToClipboard(*source, false);
    auto target = PageWithVertices(4);
    ASSERT_TRUE(Paste(*target, bytes));
    EXPECT_EQ(target->m_lines.at(1)->m_nStart, 2);
    EXPECT_EQ(target->m_lines.at(1)->m_nEnd, 3);
}

TEST(ClipboardPaste, LineNamingAVertexTheTargetLacksIsRefusedAndNothingChanges) {
    auto source = PageWithVertices(10);
    source->AddLine(2, 9, kSegment);
    source->m_selLines = {1};
    const Bytes bytes = CopyToClipboard(*source, false);
    auto target = PageWithVertices(4);
    target->m_selPoints = {1};
    EXPECT_THROW(Paste(*target, bytes), ArchiveError);
    EXPECT_TRUE(target->m_lines.empty());
    EXPECT_EQ(target->m_selPoints, (std::vector<int>{1}));
    EXPECT_EQ(target->m_nNextLineId, 1);
}

TEST(ClipboardPaste, RefusesToPassThe199thVertex) {
    auto source = PageWithVertices(50);
    const Bytes fifty = [&] {
        source->SelectAllOfKind(SelectionKind::kPoints);
        return CopyToClipboard(*source, false);
    }();
    source->m_selPoints.pop_back();
    const Bytes fortyNine = CopyToClipboard(*source, false);

    test::RecordingMessages messages;
    auto target = PageWithVertices(150);
    target->m_selPoints = {3};
    EXPECT_FALSE(Paste(*target, fifty));
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"不能完成粘贴,因为本页顶点数已达界限,请新建一页"}));
    EXPECT_EQ(target->m_nVertexCount, 150);
    EXPECT_TRUE(target->m_selPoints.empty());
    EXPECT_TRUE(Paste(*target, fortyNine));
    EXPECT_EQ(target->m_nVertexCount, 199);
}

TEST(ClipboardPaste, RichTextTravelsAsAPlainBitmapText) {
    auto source = PageWithVertices(0);
    source->AddSolid(std::make_unique<CBitRtfText>(1, 1, Bytes{0x80, 0, 0, 0}, "{\\rtf1 x}", 1, 2));
    source->m_selSolids = {1};
    auto target = PageWithVertices(0);
    ASSERT_TRUE(Paste(*target, CopyToClipboard(*source, false)));
    const CSubassembly& pasted = *target->m_solids.at(1);
    EXPECT_STREQ(pasted.ClassName(), "CBitText");
    EXPECT_EQ(dynamic_cast<const CBitText&>(pasted).m_bits, (Bytes{0x80, 0, 0, 0}));
}

TEST(ClipboardPaste, DamagedDataIsRefused) {
    auto source = test::PageWithEveryRecordKind(1);
    source->SelectEverything();
    const Bytes whole = CopyToClipboard(*source, false);
    for (size_t size = 0; size < whole.size(); ++size) {
        ASSERT_THROW(DecodeClipboard(Bytes(whole.begin(), whole.begin() + size)), ArchiveError)
            << size;
    }
    EXPECT_THROW(DecodeClipboard(Bytes{2}), ArchiveError);
    EXPECT_THROW(DecodeClipboard(Bytes{0, 0xFF, 0xFF, 0xFF, 0x0F}), ArchiveError);
    const Bytes badVertex{0, 1, 0, 0, 0, 200, 0};
    EXPECT_THROW(DecodeClipboard(badVertex), ArchiveError);
}

}  // namespace
}  // namespace velnor
