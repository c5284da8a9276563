#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "encoding/cp936.h"
#include "persistence/document_json.h"
#include "persistence/json_writer.h"
#include "persistence/sample_pages.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"

namespace velnor {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(JsonWriter, EscapesControlCharactersQuotesAndByteEscapes) {
    JsonWriter json;
    json.BeginArray(true);
    json.String("a\"b\\c\n\x01");
    json.String(Cp936ToUtf8("\xFF"));  // a byte that is not code page 936
    json.String("页");
    json.EndArray();
    EXPECT_EQ(json.Text(), "[\"a\\\"b\\\\c\\n\\u0001\", \"\\udcff\", \"页\"]");
}

// Text in memory that is not UTF-8 (a raw byte, a cut or overlong sequence) still comes out as
// UTF-8: each stray byte as a \udcXX escape, like a stored byte that is not code page 936.
TEST(JsonWriter, WritesStrayBytesAsByteEscapes) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"\x80", "\"\\udc80\""},
        {"A\xE6\xC3", "\"A\\udce6\\udcc3\""},
        {"\xE4\xB8", "\"\\udce4\\udcb8\""},            // 中 cut short
        {"\xC0\xAF", "\"\\udcc0\\udcaf\""},            // an overlong '/'
        {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},  // four bytes pass
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        JsonWriter json;
        json.String(c.in);
        EXPECT_EQ(json.Text(), c.out);
    }
}

TEST(JsonWriter, WritesShortestNumbersAndNullForWhatJsonCannotHold) {
    JsonWriter json;
    json.BeginArray(true);
    json.Number(0.1f);
    json.Number(0.1);
    json.Number(-2.5f);
    json.Number(std::nanf(""));
    json.Number(INFINITY);
    json.Integer(-7);
    json.EndArray();
    EXPECT_EQ(json.Text(), "[0.1, 0.1, -2.5, null, null, -7]");
}

TEST(JsonWriter, IndentsNestedObjects) {
    JsonWriter json;
    json.BeginObject();
    json.Field("a", 1);
    json.Key("b").BeginObject();
    json.EndObject();
    json.Key("c").BeginArray();
    json.EndArray();
    json.EndObject();
    EXPECT_EQ(json.Text(), "{\n  \"a\": 1,\n  \"b\": {},\n  \"c\": []\n}\n");
}

TEST(DocumentJson, HasTheAgreedKeys) {
    test::RecordingDocumentViews views;
    test::RecordingButtonWindows windows;
    CPlomDoc doc;
    doc.OnNewDocument();
    doc.m_pages.push_back(test::PageWithEveryRecordKind(2));
    doc.m_nComponentCount = 1;
    doc.m_componentNames[1] = "组件";
    doc.SetNotesRtf("{\\rtf1 \xB1\xCA}");
    const std::string json = DocumentToJson(doc, CGlModel());
    for (const char* key : {"\"settings\": {",
                            "\"next_page_id\": 2",
                            "\"components\": [\n    \"组件\"",
                            "\"pages\": [",
                            "\"notes_rtf\": \"{\\\\rtf1 笔}\"",
                            "\"name\": \" 第一页 \"",
                            "\"label\": \"顶点P\"",
                            "\"index\": 7",
                            "\"shown\": 0",
                            "\"start\": 2",
                            "\"end\": 7",
                            "\"kind\": 3",
                            "\"hidden\": true",
                            "\"vertices\": [0, 1, 3, 2]",
                            "\"position\": [1, 2, 3]",
                            "\"direction\": [0, 0, -1]",
                            "\"spin\": 30",
                            "\"scale\": [2, 2, 2]",
                            "\"type\": 9",
                            "\"text\": \"距离AB=1.0000\"",
                            "\"value\": 1",
                            "\"caption\": \"平移三角形\"",
                            "\"state\": 1",
                            "\"running\": 1",
                            "\"tick\": 54",
                            "\"target_vertices\": [2, 3]",
                            "\"members\": [3024, 3025]",
                            "\"selection\": {",
                            "\"vertices\": [7, 2]",
                            "\"face_name\": \"华文行楷\""}) {
        EXPECT_TRUE(Contains(json, key)) << key;
    }
}

}  // namespace
}  // namespace velnor
