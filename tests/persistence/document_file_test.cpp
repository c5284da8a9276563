#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/bit_text.h"
#include "persistence/archive_error.h"
#include "persistence/document_file.h"
#include "persistence/sample_pages.h"

namespace velnor {
namespace {

using Bytes = std::vector<uint8_t>;

// Size of the scene settings record with the default titles "Velnor" and "Morv 2013".
constexpr size_t kDefaultSettingsBytes = 28 * 4 + 24 + 4 + 4 + 4 + 8 + 7 + 10 + 60;

Bytes Encode(const std::vector<const CGpage*>& pages, const CGlModel& settings = CGlModel(),
             std::vector<std::string> components = {}, std::string notes = "{\\rtf1 }") {
    return EncodeDocumentFile({settings, 7, components, pages, notes});
}

Bytes Reencode(const Bytes& bytes) {
    DocumentFileContent content = DecodeDocumentFile(bytes, CGlModel());
    std::vector<const CGpage*> pages;
    for (const auto& page : content.pages) {
        pages.push_back(page.get());
    }
    return EncodeDocumentFile(
        {content.settings, content.nextPageId, content.componentNames, pages, content.notesRtf});
}

void AppendWord(Bytes& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendDword(Bytes& bytes, uint32_t value) {
    AppendWord(bytes, static_cast<uint16_t>(value));
    AppendWord(bytes, static_cast<uint16_t>(value >> 16));
}

void AppendDouble(Bytes& bytes, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    AppendDword(bytes, static_cast<uint32_t>(bits));
    AppendDword(bytes, static_cast<uint32_t>(bits >> 32));
}

TEST(DocumentFile, EmptyDocumentHasTheDocumentedLayout) {
    const auto page = test::EmptyFirstPage();
    const Bytes bytes =
        EncodeDocumentFile({CGlModel(), 2, {}, std::vector<const CGpage*>{page.get()}, "RTF"});

    Bytes tail;
    AppendWord(tail, 2);  // next page id
    AppendWord(tail, 0);  // components
    AppendWord(tail, 1);  // pages
    for (uint8_t b : {0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00}) tail.push_back(b);
    for (char c : std::string("CGpage")) tail.push_back(static_cast<uint8_t>(c));
    AppendWord(tail, 1);  // id
    for (uint8_t b : {8, 0x20, 0xB5, 0xDA, 0xD2, 0xBB, 0xD2, 0xB3, 0x20}) tail.push_back(b);
    tail.push_back(0);  // vertices
    tail.push_back(0);  // fill faces
    AppendDword(tail, 1);
    AppendDword(tail, 1);
    tail.push_back('A');
    tail.push_back(0);
    for (uint16_t counter : {1, 1, 1, 3024, 1, 0}) AppendWord(tail, counter);
    AppendDword(tail, 0);
    for (double d : {0.0, 0.0, 1.0, 0.0}) AppendDouble(tail, d);
    for (int i = 0; i < 9; ++i) AppendWord(tail, 0);  // five maps, four lists
    for (char c : std::string("RTF")) tail.push_back(static_cast<uint8_t>(c));

    ASSERT_EQ(bytes.size(), kDefaultSettingsBytes + tail.size());
    EXPECT_EQ(Bytes(bytes.begin() + kDefaultSettingsBytes, bytes.end()), tail);
    // The record starts with component 0 of the light position, then of the light ambient.
    const Bytes lightX{0x00, 0x00, 0xC8, 0x42, 0xCD, 0xCC, 0x4C, 0x3E};
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), lightX);
}

TEST(DocumentFile, SecondPageRefersToTheClassByIndex) {
    const auto first = test::EmptyFirstPage();
    const auto second = test::EmptyFirstPage();
    const Bytes one = Encode({first.get()});
    const Bytes two = Encode({first.get(), second.get()});
    const size_t pageBytes = one.size() - kDefaultSettingsBytes - 6 - 12 - 8;
    const size_t secondTag = kDefaultSettingsBytes + 6 + 12 + pageBytes;
    EXPECT_EQ(two[secondTag], 0x01);
    EXPECT_EQ(two[secondTag + 1], 0x80);
}

TEST(DocumentFile, EveryRecordKindSurvivesLoadAndSave) {
    const auto a = test::PageWithEveryRecordKind(1);
    const auto b = test::PageWithEveryRecordKind(5);
    CGlModel settings;
    settings.m_strTitle1 = "立体几何";
    settings.m_bgColor = {1, 2, 3};
    settings.m_bExtraLights = 1;
    settings.m_titleFont.lfFaceName[31] = 0x7F;
    settings.m_nFillStipple = 2;
    const Bytes bytes = Encode({a.get(), b.get()}, settings, {"组件一", "第二"}, "{\\rtf1 笔记}");
    EXPECT_EQ(Reencode(bytes), bytes);

    const DocumentFileContent loaded = DecodeDocumentFile(bytes, CGlModel());
    EXPECT_EQ(loaded.nextPageId, 7);
    EXPECT_EQ(loaded.componentNames, (std::vector<std::string>{"组件一", "第二"}));
    EXPECT_EQ(loaded.notesRtf, "{\\rtf1 笔记}");
    EXPECT_EQ(loaded.settings.m_strTitle1, "立体几何");
    EXPECT_EQ(loaded.settings.m_bgColor, (Rgb{1, 2, 3}));
    EXPECT_EQ(loaded.settings.m_bExtraLights, 1);
    EXPECT_EQ(loaded.settings.m_bLighting, 0);
    EXPECT_EQ(loaded.settings.m_titleFont, settings.m_titleFont);
    ASSERT_EQ(loaded.pages.size(), 2u);
    const CGpage& page = *loaded.pages[1];
    EXPECT_EQ(page.m_nId, 5);
    EXPECT_EQ(page.m_strName, "立体几何 5");
    EXPECT_EQ(page.m_nVertexCount, 8);
    EXPECT_EQ(page.m_label[7], "顶点P");
    EXPECT_EQ(page.m_pos[2][1], -4.5f);
    EXPECT_EQ(page.m_lines.size(), 3u);
    EXPECT_EQ(page.m_lines.at(3)->m_nEnd, 7);
    EXPECT_STREQ(page.m_faces.at(3)->ClassName(), "CFacen");
    EXPECT_EQ(page.m_faces.at(3)->m_nVerts, 6);
    const auto& text = dynamic_cast<const CBitText&>(*page.m_solids.at(3));
    EXPECT_EQ(text.m_nWidth, 33);
    EXPECT_EQ(text.m_bits, Bytes(16, 0xA5));
    const auto& rich = dynamic_cast<const CBitRtfText&>(*page.m_solids.at(4));
    EXPECT_EQ(rich.m_strRtf, "{\\rtf1 \\'c4\\'e3}");
    EXPECT_EQ(rich.m_nExtra2, -9);
    EXPECT_EQ(page.m_buttons.size(), 6u);
    const auto& serial = dynamic_cast<const CBtnSerues2&>(*page.m_buttons.at(3028));
    EXPECT_EQ(serial.m_posCurrent, 1);
    EXPECT_EQ(serial.m_nTick, 54);
    EXPECT_EQ(serial.m_nNextStart, 60);
    const auto& idle = dynamic_cast<const CBtnSerues2&>(*page.m_buttons.at(3029));
    EXPECT_EQ(idle.m_posCurrent, CBtnSerues2::kNoCurrent);
    const auto& rotate = dynamic_cast<const CBtnRotatef&>(*page.m_buttons.at(3026));
    EXPECT_EQ(rotate.m_savedSolidAngle, (std::vector<float>{45.0f, 0.0f}));
    EXPECT_EQ(page.m_texts.at(2)->m_nVertCount, 6u);
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{7, 2}));
    EXPECT_EQ(page.m_clipPlane[2], 1e300);
}

TEST(DocumentFile, SerialSeriesWithoutCurrentMemberIsStoredReset) {
    auto page = test::EmptyFirstPage();
    auto serial = std::make_unique<CBtnSerues2>();
    serial->m_members = {3024, 3025};
    serial->m_nTick = 80;
    serial->m_nNextStart = 90;
    page->AddButton(std::move(serial));
    page->AddButton(std::make_unique<CBtnShow>());  // member 3025
    const Bytes bytes = Encode({page.get()});
    const auto loaded = DecodeDocumentFile(bytes, CGlModel());
    const auto& read = dynamic_cast<const CBtnSerues2&>(*loaded.pages[0]->m_buttons.at(3024));
    EXPECT_EQ(read.m_posCurrent, CBtnSerues2::kNoCurrent);
    EXPECT_EQ(read.m_nTick, 0);
    EXPECT_EQ(read.m_nNextStart, 0);
    EXPECT_EQ(Reencode(bytes), bytes);
}

TEST(DocumentFile, LongAndChineseStringsSurvive) {
    auto page = test::EmptyFirstPage();
    for (int i = 0; i < 3; ++i) {
        page->AddVertex(0, 0, 0);
    }
    page->m_label[0] = std::string(255, 'a');
    page->m_label[1] = std::string(300, 'b');
    std::string chinese;
    for (int i = 0; i < 35000; ++i) {
        chinese += "页";
    }
    page->m_label[2] = chinese;  // 70,000 bytes in code page 936
    page->m_strName = std::string(70000, 'n');
    const Bytes bytes = Encode({page.get()});
    EXPECT_EQ(Reencode(bytes), bytes);
    const auto loaded = DecodeDocumentFile(bytes, CGlModel());
    EXPECT_EQ(loaded.pages[0]->m_label[0], std::string(255, 'a'));
    EXPECT_EQ(loaded.pages[0]->m_label[1], std::string(300, 'b'));
    EXPECT_EQ(loaded.pages[0]->m_label[2], chinese);
    EXPECT_EQ(loaded.pages[0]->m_strName.size(), 70000u);
}

TEST(DocumentFile, ObjectIndicesPast0x7FFFSurvive) {
    auto page = test::EmptyFirstPage();
    page->AddVertex(0, 0, 0);
    page->AddVertex(1, 0, 0);
    page->AddVertex(0, 1, 0);
    for (int i = 0; i < 33000; ++i) {
        page->AddLine(0, 1, kSegment);
    }
    const int tri[] = {0, 1, 2};
    page->AddFace(tri);
    page->AddFace(tri);  // its class index is past 0x7FFF
    page->AddSolid(std::make_unique<CSubassembly>());
    const auto second = test::PageWithEveryRecordKind(2);
    const Bytes bytes = Encode({page.get(), second.get()});
    EXPECT_EQ(Reencode(bytes), bytes);
    const auto loaded = DecodeDocumentFile(bytes, CGlModel());
    EXPECT_EQ(loaded.pages[0]->m_lines.size(), 33000u);
    EXPECT_EQ(loaded.pages[0]->m_faces.size(), 2u);
    EXPECT_EQ(loaded.pages[1]->m_buttons.size(), 6u);
}

TEST(DocumentFile, CameraIsNotStored) {
    CGlModel current;
    current.m_camera.m_fDistance = -99.0f;
    CGlModel stored;
    stored.m_camera.m_fDistance = -1.0f;
    stored.m_nTexture = 2;
    const auto page = test::EmptyFirstPage();
    const Bytes bytes = Encode({page.get()}, stored);
    const auto loaded = DecodeDocumentFile(bytes, current);
    EXPECT_EQ(loaded.settings.m_camera.m_fDistance, -99.0f);
    EXPECT_EQ(loaded.settings.m_nTexture, 2);
}

}  // namespace
}  // namespace velnor
