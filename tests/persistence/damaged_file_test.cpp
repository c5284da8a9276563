#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "persistence/archive_error.h"
#include "persistence/archive_writer.h"
#include "persistence/document_file.h"
#include "persistence/scene_settings_record.h"

namespace velnor {
namespace {

using Bytes = std::vector<uint8_t>;
using Writes = std::function<void(ArchiveWriter&)>;

void EmptyMaps(ArchiveWriter& out, int from) {
    for (int map = from; map < 5; ++map) {
        out.Count(0);
    }
}

void EmptyLists(ArchiveWriter& out) {
    for (int list = 0; list < 4; ++list) {
        out.Count(0);
    }
}

// A document of one page with `vertexCount` vertices, whose maps and lists `rest` writes.
Bytes DocumentWithPage(int vertexCount, const Writes& rest) {
    ArchiveWriter out;
    WriteSceneSettings(out, CGlModel());
    out.Word(2);
    out.Word(0);
    out.Count(1);
    out.ObjectTag(StoredClass::kPage);
    out.Word(1);
    out.String("页");
    out.Byte(static_cast<uint8_t>(vertexCount));
    out.Byte(0);
    out.Dword(1);
    out.Dword(1);
    for (int i = 0; i < vertexCount; ++i) {
        for (int f = 0; f < 6; ++f) {
            out.Float(0.0f);
        }
        out.String("A");
        out.Byte(1);
    }
    out.Byte('A');
    out.Byte(0);
    for (uint16_t counter : {1, 1, 1, 3024, 1, 0}) {
        out.Word(counter);
    }
    out.Dword(0);
    for (int i = 0; i < 4; ++i) {
        out.Double(0.0);
    }
    rest(out);
    return out.Take();
}

std::string Refusal(const Bytes& bytes) {
    try {
        DecodeDocumentFile(bytes, CGlModel());
    } catch (const ArchiveError& error) {
        return error.what();
    }
    return "accepted";
}

void ExpectRefused(const Bytes& bytes, const std::string& part) {
    const std::string message = Refusal(bytes);
    EXPECT_NE(message.find(part), std::string::npos) << message;
}

void Line(ArchiveWriter& out, uint8_t start, uint8_t end) {
    out.Count(1);
    out.Word(1);
    out.ObjectTag(StoredClass::kLine);
    out.String("AB");
    out.Bool(false);
    out.Byte(start);
    out.Byte(end);
    out.Byte(0);
}

void Polygon(ArchiveWriter& out, std::vector<uint8_t> verts) {
    out.Count(1);
    out.Word(1);
    out.ObjectTag(StoredClass::kFacen);
    out.String("");
    out.Bool(false);
    out.Byte(static_cast<uint8_t>(verts.size()));
    out.Bytes(verts);
}

void Text(ArchiveWriter& out, std::vector<uint8_t> verts) {
    out.Count(1);
    out.Word(1);
    out.ObjectTag(StoredClass::kDText);
    out.String("d");
    out.Bool(false);
    out.Byte(1);
    out.Dword(static_cast<uint32_t>(verts.size()));
    out.String("d=1");
    out.Long(10);
    out.Long(20);
    out.Float(1.0f);
    out.Bytes(verts);
}

void ShowButton(ArchiveWriter& out, uint8_t kind, std::vector<int> verts) {
    out.Count(1);
    out.Word(3024);
    out.ObjectTag(StoredClass::kBtnShow);
    out.Bool(false);
    out.Byte(kind);
    out.Long(0);
    out.Long(0);
    out.Word(3024);
    out.String("隐藏");
    out.Long(0);
    out.Long(0);
    for (int v : {15, 10, 95, 35, 2, 2}) {
        out.Long(v);
    }
    out.IntList(verts);
    for (int list = 0; list < 3; ++list) {
        out.Count(0);
    }
}

Bytes ReadFile(const std::string& name) {
    std::ifstream file(std::string(VELNOR_TEST_DATA) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

TEST(DamagedFile, TheTestDocumentIsAcceptedAsWritten) {
    const Bytes good = DocumentWithPage(2, [](ArchiveWriter& out) {
        Line(out, 0, 1);
        EmptyMaps(out, 1);
        EmptyLists(out);
    });
    EXPECT_EQ(Refusal(good), "accepted");
}

TEST(DamagedFile, EveryTruncationBeforeTheNotesIsRefused) {
    const Bytes whole = ReadFile("every_record.plm");
    ASSERT_GT(whole.size(), 1000u);
    const std::string notes = DecodeDocumentFile(whole, CGlModel()).notesRtf;
    for (size_t size = 0; size < whole.size() - notes.size(); ++size) {
        const Bytes cut(whole.begin(), whole.begin() + size);
        ASSERT_THROW(DecodeDocumentFile(cut, CGlModel()), ArchiveError) << size;
    }
}

TEST(DamagedFile, ADocumentCutShortStillBeginsLikeOneAndTextDoesNot) {
    const Bytes whole = ReadFile("every_record.plm");
    EXPECT_TRUE(BeginsLikeDocumentFile(whole));
    EXPECT_TRUE(BeginsLikeDocumentFile(Bytes(whole.begin(), whole.begin() + 200)));
    const std::string text =
        "Lesson plan: the cube and its diagonals, with questions for the class.\n"
        "1. How long is the diagonal of a unit cube?\n";
    EXPECT_FALSE(BeginsLikeDocumentFile(Bytes(text.begin(), text.end())));
    EXPECT_FALSE(BeginsLikeDocumentFile(Bytes(whole.begin(), whole.begin() + 20)));
}

TEST(DamagedFile, UnknownClassAndOtherSchemaAreRefused) {
    Bytes unknown = ReadFile("empty.plm");
    const std::string name = "CGpage";
    auto at = std::search(unknown.begin(), unknown.end(), name.begin(), name.end());
    ASSERT_NE(at, unknown.end());
    at[5] = 'X';
    ExpectRefused(unknown, "未知的类名 \"CGpagX\"");

    Bytes schema = ReadFile("empty.plm");
    at = std::search(schema.begin(), schema.end(), name.begin(), name.end());
    at[-4] = 2;  // the schema WORD sits before the name length
    ExpectRefused(schema, "版本号是 2");
}

TEST(DamagedFile, MoreThan200VerticesAreRefused) {
    ExpectRefused(DocumentWithPage(201,
                                   [](ArchiveWriter& out) {
                                       EmptyMaps(out, 0);
                                       EmptyLists(out);
                                   }),
                  "201 个顶点");
}

TEST(DamagedFile, PolygonsOutside3To20VerticesAreRefused) {
    for (size_t n : {0, 2, 21, 255}) {
        ExpectRefused(DocumentWithPage(3,
                                       [n](ArchiveWriter& out) {
                                           out.Count(0);
                                           Polygon(out, std::vector<uint8_t>(n, 0));
                                           EmptyMaps(out, 2);
                                           EmptyLists(out);
                                       }),
                      "只能有 3 到 20 个");
    }
}

TEST(DamagedFile, MeasurementTextWithMoreThanSixIndicesIsRefused) {
    ExpectRefused(DocumentWithPage(3,
                                   [](ArchiveWriter& out) {
                                       EmptyMaps(out, 1);
                                       Text(out, std::vector<uint8_t>(7, 0));
                                       EmptyLists(out);
                                   }),
                  "最多只能有 6 个");
}

TEST(DamagedFile, VertexIndicesAtOrBeyondTheVertexCountAreRefused) {
    ExpectRefused(DocumentWithPage(2,
                                   [](ArchiveWriter& out) {
                                       Line(out, 0, 2);
                                       EmptyMaps(out, 1);
                                       EmptyLists(out);
                                   }),
                  "线引用了顶点 2");
    ExpectRefused(DocumentWithPage(3,
                                   [](ArchiveWriter& out) {
                                       out.Count(0);
                                       Polygon(out, {0, 1, 2, 9, 1});
                                       EmptyMaps(out, 2);
                                       EmptyLists(out);
                                   }),
                  "面引用了顶点 9");
    ExpectRefused(DocumentWithPage(3,
                                   [](ArchiveWriter& out) {
                                       EmptyMaps(out, 1);
                                       Text(out, {0, 3});
                                       EmptyLists(out);
                                   }),
                  "度量文本引用了顶点 3");
    for (int bad : {3, -1}) {
        ExpectRefused(DocumentWithPage(3,
                                       [bad](ArchiveWriter& out) {
                                           out.Count(0);
                                           out.Count(0);
                                           out.Count(0);
                                           ShowButton(out, kButtonShow, {0, bad});
                                           out.Count(0);
                                           EmptyLists(out);
                                       }),
                      "操作按钮引用了顶点 " + std::to_string(bad));
    }
    ExpectRefused(DocumentWithPage(3,
                                   [](ArchiveWriter& out) {
                                       EmptyMaps(out, 0);
                                       out.IntList(std::vector<int>{0, 200});
                                       for (int list = 0; list < 3; ++list)
                                           out.Count(0);
                                   }),
                  "选中的顶点引用了顶点 200");
}

TEST(DamagedFile, CountsLargerThanTheRestOfTheFileAreRefused) {
    ExpectRefused(DocumentWithPage(0,
                                   [](ArchiveWriter& out) {
                                       out.Word(0xFFFF);
                                       out.Dword(0xFFFFFFF0);
                                   }),
                  "超出了剩余数据所能容纳的");
    ExpectRefused(DocumentWithPage(0,
                                   [](ArchiveWriter& out) {
                                       EmptyMaps(out, 0);
                                       out.Word(0xFFFF);
                                       out.Dword(0x40000000);
                                   }),
                  "超出了剩余数据所能容纳的");
    Bytes pages = ReadFile("empty.plm");
    pages[233 + 4] = 0xF0;  // the page count WORD after the header
    ExpectRefused(pages, "超出了剩余数据所能容纳的");
}

TEST(DamagedFile, ButtonWhoseKindContradictsItsClassIsRefused) {
    ExpectRefused(DocumentWithPage(1,
                                   [](ArchiveWriter& out) {
                                       out.Count(0);
                                       out.Count(0);
                                       out.Count(0);
                                       ShowButton(out, kButtonRotate, {});
                                       out.Count(0);
                                       EmptyLists(out);
                                   }),
                  "类型是 3，应为 1");
}

TEST(DamagedFile, CellsInTheWrongMapOrUnderOneKeyTwiceAreRefused) {
    ExpectRefused(DocumentWithPage(2,
                                   [](ArchiveWriter& out) {
                                       out.Count(0);
                                       Line(out, 0, 1);  // a line in the face map
                                       EmptyMaps(out, 2);
                                       EmptyLists(out);
                                   }),
                  "面表中出现了 CLineCell 对象");
    ExpectRefused(DocumentWithPage(2,
                                   [](ArchiveWriter& out) {
                                       out.Count(2);
                                       for (int i = 0; i < 2; ++i) {
                                           out.Word(7);
                                           out.ObjectTag(StoredClass::kLine);
                                           out.String("");
                                           out.Bool(false);
                                           out.Byte(0);
                                           out.Byte(1);
                                           out.Byte(0);
                                       }
                                       EmptyMaps(out, 1);
                                       EmptyLists(out);
                                   }),
                  "键 7 出现了两次");
}

TEST(DamagedFile, DocumentsWithoutPagesOrWithTooManyComponentsAreRefused) {
    Bytes noPages = ReadFile("empty.plm");
    noPages[233 + 4] = 0;
    ExpectRefused(noPages, "没有页");
    Bytes components = ReadFile("empty.plm");
    components[233 + 2] = 23;
    ExpectRefused(components, "23 个页组件");
}

TEST(DamagedFile, OversizedBitmapIsRefusedBeforeAllocating) {
    ExpectRefused(DocumentWithPage(0,
                                   [](ArchiveWriter& out) {
                                       out.Count(0);
                                       out.Count(0);
                                       out.Count(1);
                                       out.Word(1);
                                       out.ObjectTag(StoredClass::kBitText);
                                       for (int f = 0; f < 3; ++f)
                                           out.Float(0.0f);
                                       out.String("t");
                                       out.Byte(30);
                                       out.Bool(false);
                                       out.Long(0x7FFFFFE0);
                                       out.Long(0x7FFFFFFF);
                                       for (int b = 0; b < 4; ++b)
                                           out.Byte(0);
                                       for (int f = 0; f < 13; ++f)
                                           out.Float(0.0f);
                                   }),
                  "超出了剩余的数据");
}

}  // namespace
}  // namespace velnor
