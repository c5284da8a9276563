#include "persistence/page_record.h"

#include <array>
#include <string>

#include "persistence/button_records.h"
#include "persistence/cell_records.h"

namespace velnor {

namespace {

// Smallest stored size of a map entry: its key and a tag that refers to a known class.
constexpr size_t kMinMapEntryBytes = 4;

bool IsFace(StoredClass c) {
    return c == StoredClass::kFace3 || c == StoredClass::kFace4 || c == StoredClass::kFacen;
}

bool IsSolid(StoredClass c) {
    return c == StoredClass::kSubassembly || c == StoredClass::kBitText ||
           c == StoredClass::kBitRtfText;
}

bool IsButton(StoredClass c) {
    return c == StoredClass::kBtnShow || c == StoredClass::kBtnTranslate ||
           c == StoredClass::kBtnRotatef || c == StoredClass::kBtnSerues ||
           c == StoredClass::kBtnSerues2;
}

template <typename Cell, typename WriteRecord>
void WriteMap(ArchiveWriter& out, const CellMap<Cell>& map, WriteRecord writeRecord) {
    out.Count(map.size());
    StoredClassCache classes;
    for (const auto& [key, cell] : map) {
        out.Word(key);
        const StoredClass storedClass = classes.Of(cell->ClassName());
        out.ObjectTag(storedClass);
        writeRecord(out, *cell, storedClass);
    }
}

// Reads a map whose entries must be of the classes `accepts` lets through.
template <typename Cell, typename Accepts, typename ReadRecord>
void ReadMap(ArchiveReader& in, CellMap<Cell>& map, const char* mapName, Accepts accepts,
             ReadRecord readRecord) {
    const uint32_t count = in.Count(kMinMapEntryBytes);
    for (uint32_t i = 0; i < count; ++i) {
        const uint16_t key = in.Word();
        const StoredClass storedClass = in.ObjectTag();
        if (!accepts(storedClass)) {
            in.Fail(std::string(mapName) + "中出现了 " +
                    std::string(StoredClassName(storedClass)) + " 对象");
        }
        std::unique_ptr<Cell> cell = readRecord(in, storedClass);
        // Keys are stored in ascending order, so the end is the right place for each new one.
        const size_t sizeBefore = map.size();
        map.emplace_hint(map.end(), key, std::move(cell));
        if (map.size() == sizeBefore) {
            in.Fail(std::string(mapName) + "中的键 " + std::to_string(key) + " 出现了两次");
        }
    }
}

void CheckSelectedVertices(const ArchiveReader& in, const CGpage& page) {
    for (int index : page.m_selPoints) {
        CheckVertexIndex(in, index, page.m_nVertexCount, "选中的顶点");
    }
}

}  // namespace

void RefuseVertexIndex(const ArchiveReader& in, int index, int vertexCount, const char* user) {
    in.Fail(std::string(user) + "引用了顶点 " + std::to_string(index) + "，而本页只有 " +
            std::to_string(vertexCount) + " 个顶点");
}

void CheckVertexIndices(const ArchiveReader& in, const CLineCell& line, int vertexCount) {
    CheckVertexIndex(in, line.m_nStart, vertexCount, "线");
    CheckVertexIndex(in, line.m_nEnd, vertexCount, "线");
}

void CheckVertexIndices(const ArchiveReader& in, const CFaceCell& face, int vertexCount) {
    for (uint8_t index : face.Verts()) {
        CheckVertexIndex(in, index, vertexCount, "面");
    }
}

void CheckVertexIndices(const ArchiveReader& in, const CDTextCell& text, int vertexCount) {
    for (uint8_t index : text.Verts()) {
        CheckVertexIndex(in, index, vertexCount, "度量文本");
    }
}

void CheckVertexIndices(const ArchiveReader& in, const CBtCmd& button, int vertexCount) {
    for (int index : button.m_targetVerts) {
        CheckVertexIndex(in, index, vertexCount, "操作按钮");
    }
}

void WriteVertexRow(ArchiveWriter& out, const CGpage& page, int index) {
    const Float3& pos = page.m_pos[index];
    const Float3& color = page.m_color[index];
    out.Floats(std::array{pos[0], color[0], pos[1], color[1], pos[2], color[2]});
    out.String(page.m_label[index]);
    out.Byte(page.m_bShown[index]);
}

void ReadVertexRow(ArchiveReader& in, CGpage& page, int index) {
    std::array<float, 6> row;
    in.Floats(row);
    page.m_pos[index] = {row[0], row[2], row[4]};
    page.m_color[index] = {row[1], row[3], row[5]};
    in.StringInto(page.m_label[index]);
    page.m_bShown[index] = in.Byte();
}

void WritePageRecord(ArchiveWriter& out, const CGpage& page) {
    out.Word(page.m_nId);
    out.String(page.m_strName);
    out.Byte(page.m_nVertexCount);
    out.Byte(page.m_bFillFaces);
    out.Dword(page.m_nScheme);
    out.Dword(page.m_bPerspInThreeView);
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        WriteVertexRow(out, page, i);
    }
    out.Byte(static_cast<uint8_t>(page.m_chNextLabel));
    out.Byte(static_cast<uint8_t>(page.m_chLabelSuffix));
    out.Word(page.m_nNextLineId);
    out.Word(page.m_nNextFaceId);
    out.Word(page.m_nNextSolidId);
    out.Word(page.m_nNextButtonId);
    out.Word(page.m_nNextTextId);
    out.Word(page.m_nComponentList);
    out.Dword(page.m_bClip);
    for (double value : page.m_clipPlane) {
        out.Double(value);
    }
    WriteMap(out, page.m_lines, [](ArchiveWriter& w, const CLineCell& line, StoredClass) {
        WriteLineRecord(w, line);
    });
    WriteMap(out, page.m_faces, WriteFaceRecord);
    WriteMap(out, page.m_solids, WriteSolidRecord);
    WriteMap(out, page.m_buttons, WriteButtonRecord);
    WriteMap(out, page.m_texts, [](ArchiveWriter& w, const CDTextCell& text, StoredClass) {
        WriteTextRecord(w, text);
    });
    out.IntList(page.m_selPoints);
    out.IntList(page.m_selLines);
    out.IntList(page.m_selFaces);
    out.IntList(page.m_selSolids);
}

std::unique_ptr<CGpage> ReadPageRecord(ArchiveReader& in) {
    auto page = std::make_unique<CGpage>();
    page->m_nId = in.Word();
    page->m_strName = in.String();
    const uint8_t vertexCount = in.Byte();
    if (vertexCount > CGpage::kMaxVertices) {
        in.Fail("页有 " + std::to_string(vertexCount) + " 个顶点，最多只能有 200 个");
    }
    page->m_nVertexCount = vertexCount;
    page->m_bFillFaces = in.Byte();
    page->m_nScheme = in.Dword();
    page->m_bPerspInThreeView = in.Dword();
    for (int i = 0; i < vertexCount; ++i) {
        ReadVertexRow(in, *page, i);
    }
    page->m_chNextLabel = static_cast<char>(in.Byte());
    page->m_chLabelSuffix = static_cast<char>(in.Byte());
    page->m_nNextLineId = in.Word();
    page->m_nNextFaceId = in.Word();
    page->m_nNextSolidId = in.Word();
    page->m_nNextButtonId = in.Word();
    page->m_nNextTextId = in.Word();
    page->m_nComponentList = in.Word();
    page->m_bClip = in.Dword();
    for (double& value : page->m_clipPlane) {
        value = in.Double();
    }

    ReadMap(in, page->m_lines, "线表",
            [](StoredClass c) { return c == StoredClass::kLine; },
            [&](ArchiveReader& r, StoredClass) {
                auto line = ReadLineRecord(r);
                CheckVertexIndices(r, *line, vertexCount);
                return line;
            });
    ReadMap(in, page->m_faces, "面表", IsFace, [&](ArchiveReader& r, StoredClass c) {
        auto face = ReadFaceRecord(r, c);
        CheckVertexIndices(r, *face, vertexCount);
        return face;
    });
    ReadMap(in, page->m_solids, "组件表", IsSolid, ReadSolidRecord);
    ReadMap(in, page->m_buttons, "按钮表", IsButton, [&](ArchiveReader& r, StoredClass c) {
        auto button = ReadButtonRecord(r, c);
        CheckVertexIndices(r, *button, vertexCount);
        return button;
    });
    ReadMap(in, page->m_texts, "文本表",
            [](StoredClass c) { return c == StoredClass::kDText; },
            [&](ArchiveReader& r, StoredClass) {
                auto text = ReadTextRecord(r);
                CheckVertexIndices(r, *text, vertexCount);
                return text;
            });

    page->m_selPoints = in.IntList();
    CheckSelectedVertices(in, *page);
    page->m_selLines = in.IntList();
    page->m_selFaces = in.IntList();
    page->m_selSolids = in.IntList();
    return page;
}

}  // namespace velnor
