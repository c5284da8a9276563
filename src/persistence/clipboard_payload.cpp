#include "persistence/clipboard_payload.h"

#include <string>

#include "persistence/archive_error.h"
#include "persistence/archive_reader.h"
#include "persistence/archive_writer.h"
#include "persistence/button_records.h"
#include "persistence/cell_records.h"
#include "persistence/dangling_references.h"
#include "persistence/page_record.h"

namespace velnor {

namespace {

constexpr uint8_t kPageFlag = 1;
constexpr uint8_t kSelectionFlag = 0;

// Smallest stored size of an entry of each section, to check counts before reading them.
constexpr size_t kMinVertexEntry = 2 + 24 + 1 + 1;
constexpr size_t kMinButtonEntry = 1 + 53;
constexpr size_t kMinLineEntry = 2 + 3 + 1 + 1;
constexpr size_t kMinFaceEntry = 2 + 1 + 3 + 1 + 1;
constexpr size_t kMinSolidEntry = 2 + 1 + 79;
constexpr size_t kMinTextEntry = 20;

template <typename Cell>
std::vector<std::pair<uint16_t, const Cell*>> SelectedEntries(const CellMap<Cell>& map,
                                                              const std::vector<int>& keys) {
    std::vector<std::pair<uint16_t, const Cell*>> entries;
    for (int key : keys) {
        if (key < 0 || key > 0xFFFF) {
            continue;
        }
        if (const auto it = map.find(static_cast<uint16_t>(key)); it != map.end()) {
            entries.emplace_back(it->first, it->second.get());
        }
    }
    return entries;
}

void WriteSolidEntry(ArchiveWriter& out, uint16_t key, const CSubassembly& solid) {
    out.Word(key);
    const StoredClass storedClass = StoredClassOf(solid.ClassName());
    if (storedClass == StoredClass::kBitText || storedClass == StoredClass::kBitRtfText) {
        out.Byte(kSolidBitmapText);
        WriteBitTextRecord(out, static_cast<const CBitText&>(solid));
    } else {
        out.Byte(solid.m_nKind);
        WriteSolidRecord(out, solid, storedClass);
    }
}

uint32_t SectionCount(ArchiveReader& in, size_t minEntryBytes) {
    const uint32_t count = in.Dword();
    if (count > in.Remaining() / minEntryBytes) {
        in.Fail("数目 " + std::to_string(count) + " 超出了剩余数据所能容纳的");
    }
    return count;
}

ClipboardVertex ReadVertexEntry(ArchiveReader& in) {
    ClipboardVertex vertex;
    vertex.sourceIndex = in.Word();
    if (vertex.sourceIndex >= CGpage::kMaxVertices) {
        in.Fail("顶点序号 " + std::to_string(vertex.sourceIndex) + " 超出了 200");
    }
    for (int axis = 0; axis < 3; ++axis) {
        vertex.position[axis] = in.Float();
        vertex.color[axis] = in.Float();
    }
    vertex.label = in.String();
    vertex.shown = in.Byte();
    return vertex;
}

ClipboardCell<CLineCell> ReadLineEntry(ArchiveReader& in) {
    ClipboardCell<CLineCell> entry{in.Word(), std::make_unique<CLineCell>(0, 0, kSegment)};
    entry.cell->m_nStart = in.Byte();
    entry.cell->m_nEnd = in.Byte();
    entry.cell->m_strName = in.String();
    entry.cell->m_bHidden = in.Bool();
    entry.cell->m_nKind = in.Byte();
    return entry;
}

ClipboardCell<CFaceCell> ReadFaceEntry(ArchiveReader& in) {
    const uint16_t key = in.Word();
    const uint8_t count = in.Byte();
    if (count < 3 || count > CFaceCell::kMaxVerts) {
        in.Fail("多边形面有 " + std::to_string(count) + " 个顶点，只能有 3 到 20 个");
    }
    const auto verts = in.Bytes(count);
    std::unique_ptr<CFaceCell> face = MakeFace(verts);
    face->m_strName = in.String();
    face->m_bHidden = in.Bool();
    return {key, std::move(face)};
}

ClipboardCell<CSubassembly> ReadSolidEntry(ArchiveReader& in) {
    const uint16_t key = in.Word();
    const uint8_t kind = in.Byte();
    if (kind == kSolidBitmapText) {
        return {key, ReadBitTextRecord(in)};
    }
    return {key, ReadSubassemblyRecord(in)};
}

ClipboardSelection ReadSelection(ArchiveReader& in) {
    ClipboardSelection selection;
    for (uint32_t n = SectionCount(in, kMinVertexEntry); n > 0; --n) {
        selection.vertices.push_back(ReadVertexEntry(in));
    }
    for (uint32_t n = SectionCount(in, kMinButtonEntry); n > 0; --n) {
        const StoredClass storedClass = ButtonClassOfKind(in, in.Byte());
        selection.buttons.push_back(ReadButtonRecord(in, storedClass));
    }
    for (uint32_t n = SectionCount(in, kMinLineEntry); n > 0; --n) {
        selection.lines.push_back(ReadLineEntry(in));
    }
    for (uint32_t n = SectionCount(in, kMinFaceEntry); n > 0; --n) {
        selection.faces.push_back(ReadFaceEntry(in));
    }
    for (uint32_t n = SectionCount(in, kMinSolidEntry); n > 0; --n) {
        selection.solids.push_back(ReadSolidEntry(in));
    }
    for (uint32_t n = SectionCount(in, kMinTextEntry); n > 0; --n) {
        selection.texts.push_back(ReadTextRecord(in));
    }
    return selection;
}

}  // namespace

std::vector<uint8_t> EncodePageClipboard(const CGpage& page) {
    ArchiveWriter out;
    out.Byte(kPageFlag);
    WritePageRecord(out, page);
    return out.Take();
}

std::vector<uint8_t> EncodeSelectionClipboard(const CGpage& page) {
    ArchiveWriter out;
    out.Byte(kSelectionFlag);

    std::vector<int> vertices;
    for (int index : page.m_selPoints) {
        if (index >= 0 && index < page.m_nVertexCount) {
            vertices.push_back(index);
        }
    }
    out.Dword(static_cast<uint32_t>(vertices.size()));
    for (int index : vertices) {
        out.Word(static_cast<uint16_t>(index));
        WriteVertexRow(out, page, index);
    }

    const auto buttons = SelectedEntries(page.m_buttons, page.m_selButtons);
    out.Dword(static_cast<uint32_t>(buttons.size()));
    for (const auto& [key, button] : buttons) {
        out.Byte(button->m_nKind);
        WriteButtonRecord(out, *button, StoredClassOf(button->ClassName()));
    }

    const auto lines = SelectedEntries(page.m_lines, page.m_selLines);
    out.Dword(static_cast<uint32_t>(lines.size()));
    for (const auto& [key, line] : lines) {
        out.Word(key);
        out.Byte(line->m_nStart);
        out.Byte(line->m_nEnd);
        out.String(line->m_strName);
        out.Bool(line->m_bHidden);
        out.Byte(line->m_nKind);
    }

    const auto faces = SelectedEntries(page.m_faces, page.m_selFaces);
    out.Dword(static_cast<uint32_t>(faces.size()));
    for (const auto& [key, face] : faces) {
        out.Word(key);
        out.Byte(face->m_nVerts);
        out.Bytes(face->Verts());
        out.String(face->m_strName);
        out.Bool(face->m_bHidden);
    }

    const auto solids = SelectedEntries(page.m_solids, page.m_selSolids);
    out.Dword(static_cast<uint32_t>(solids.size()));
    for (const auto& [key, solid] : solids) {
        WriteSolidEntry(out, key, *solid);
    }

    const auto texts = SelectedEntries(page.m_texts, page.m_selTexts);
    out.Dword(static_cast<uint32_t>(texts.size()));
    for (const auto& [key, text] : texts) {
        WriteTextRecord(out, *text);
    }
    return out.Take();
}

ClipboardContent DecodeClipboard(std::span<const uint8_t> bytes) {
    ArchiveReader in(bytes);
    ClipboardContent content;
    const uint8_t flag = in.Byte();
    if (flag == kPageFlag) {
        content.page = ReadPageRecord(in);
        if (const auto found = DropDanglingReferences(*content.page); !found.empty()) {
            throw ArchiveError("剪贴板中的页不完整：" + found.front());
        }
    } else if (flag == kSelectionFlag) {
        content.selection = ReadSelection(in);
    } else {
        in.Fail("剪贴板数据的类型标记 " + std::to_string(flag) + " 不正确");
    }
    return content;
}

}  // namespace velnor
