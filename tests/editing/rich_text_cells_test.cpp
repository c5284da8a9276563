#include <gtest/gtest.h>

#include <sstream>

#include "commands/script_interpreter.h"
#include "editing/editing_fixture.h"
#include "editing/rich_text_cells.h"
#include "model/bit_text.h"
#include "model/gl_model.h"

namespace velnor::test {
namespace {

// Draws every text as a 40 x 2 bitmap that remembers the text in its RTF.
class FakeTextRenderer final : public ITextRenderer {
public:
    FakeTextRenderer() : m_previous(SetTextRenderer(this)) {}
    ~FakeTextRenderer() override { SetTextRenderer(m_previous); }

    EditedText RenderPlainText(std::string_view utf8) const override { return Text(utf8); }

    static EditedText Text(std::string_view utf8) {
        EditedText text;
        text.width = 40;
        text.height = 2;
        text.bits.assign(static_cast<size_t>(CBitText::BytesPerRow(40)) * 2, 0xF0);
        text.rtf = "{\\rtf1 " + std::string(utf8) + "}";
        text.plainText = utf8;
        text.paragraphs = 1;
        text.characters = static_cast<int32_t>(utf8.size());
        return text;
    }

private:
    ITextRenderer* m_previous;
};

const CBitRtfText* RichText(const CGpage& page, uint16_t key) {
    const auto found = page.m_solids.find(key);
    return found == page.m_solids.end() ? nullptr
                                        : dynamic_cast<const CBitRtfText*>(found->second.get());
}

TEST(RichTextName, KeepsFiveBytesAndCutsLongerTextsAtWholeCharacters) {
    const struct {
        const char* text;
        const char* name;
    } cases[] = {
        {"ab", "文本：ab"},          {"abcde", "文本：abcde"},
        {"abcdef", "文本：abcd..."}, {"勾股定理", "文本：勾股..."},
        {"a勾股", "文本：a勾股"},    {"ab勾股", "文本：ab勾..."},
        {"abc勾股", "文本：abc..."}, {"a\nb", "文本：a b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(RichTextName(c.text), c.name);
    }
}

using RichTextCellsTest = EditingTest;

TEST_F(RichTextCellsTest, AddedTextIsOneUndoableStepInTheTextColour) {
    doc.Settings().m_textColor = {10, 20, 30};
    const std::optional<uint16_t> key = AddRichText(doc, FakeTextRenderer::Text("勾股定理"));
    ASSERT_TRUE(key.has_value());
    const CBitRtfText* text = RichText(Page(), *key);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_strName, "文本：勾股...");
    EXPECT_EQ(text->m_color, (Rgb{10, 20, 30}));
    EXPECT_EQ(text->m_nWidth, 40);
    EXPECT_EQ(text->m_bits.size(), 16u);
    EXPECT_EQ(text->m_strRtf, "{\\rtf1 勾股定理}");
    EXPECT_EQ(text->m_nExtra2, 12);
    EXPECT_EQ(UndoText(), "撤消 添加文本(&U)\tCtrl+Z");

    History().Undo();
    EXPECT_TRUE(Page().m_solids.empty());
    History().Redo();
    EXPECT_NE(RichText(Page(), *key), nullptr);
}

TEST_F(RichTextCellsTest, BlankTextIsRefusedAndNothingIsRecorded) {
    for (const char* blank : {"", " \n\t"}) {
        SCOPED_TRACE(blank);
        messages.texts.clear();
        EXPECT_FALSE(AddRichText(doc, FakeTextRenderer::Text(blank)).has_value());
        EXPECT_EQ(messages.texts, std::vector<std::string>{kNoTextMessage});
    }
    EXPECT_TRUE(Page().m_solids.empty());
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(RichTextCellsTest, ReplacedTextKeepsItsPlaceAndUndoBringsTheOldTextBack) {
    const uint16_t key = *AddRichText(doc, FakeTextRenderer::Text("old"));
    auto& cell = static_cast<CBitRtfText&>(*Page().m_solids.at(key));
    cell.m_position = {1, 2, 3};
    EXPECT_TRUE(ReplaceRichText(doc, key, FakeTextRenderer::Text("new text")));
    EXPECT_EQ(RichText(Page(), key)->m_strName, "文本：new ...");
    EXPECT_EQ(RichText(Page(), key)->m_position, (Float3{1, 2, 3}));
    EXPECT_EQ(UndoText(), "撤消 修改文本(&U)\tCtrl+Z");

    History().Undo();
    EXPECT_EQ(RichText(Page(), key)->m_strRtf, "{\\rtf1 old}");
    History().Redo();
    EXPECT_EQ(RichText(Page(), key)->m_strRtf, "{\\rtf1 new text}");

    Page().AddSolid(std::make_unique<CBitText>());
    EXPECT_FALSE(ReplaceRichText(doc, key + 1, FakeTextRenderer::Text("x")));
    EXPECT_FALSE(ReplaceRichText(doc, key, FakeTextRenderer::Text(" ")));
}

TEST_F(RichTextCellsTest, ScriptsAddTextsThroughTheRenderer) {
    std::ostringstream out;
    ScriptInterpreter interpreter(doc, out);
    {
        const FakeTextRenderer renderer;
        interpreter.RunLine("添加文本 text=勾股定理", 1);
        interpreter.RunLine("添加文本", 2);
    }
    EXPECT_EQ(out.str(), "skipped: 添加文本\n");
    ASSERT_EQ(Page().m_solids.size(), 1u);
    EXPECT_EQ(RichText(Page(), 1)->m_strRtf, "{\\rtf1 勾股定理}");
    EXPECT_THROW(interpreter.RunLine("添加文本 text=x", 3), ScriptError);
}

}  // namespace
}  // namespace velnor::test
