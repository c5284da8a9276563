#pragma once

#include <array>
#include <memory>

#include "model/bit_text.h"
#include "model/dtext_cell.h"
#include "model/face_cell.h"
#include "model/line_cell.h"
#include "model/subassembly.h"
#include "persistence/archive_reader.h"
#include "persistence/archive_writer.h"

namespace velnor {

// The stored records of the cells a page keeps, as they follow their object tags. Readers check
// what a record alone can tell (face and text sizes, bitmap sizes); the page checks vertex
// indices against its vertex count. Where classes share a layout with variants, reader and
// writer are given the stored class of the cell.

void WriteLineRecord(ArchiveWriter& out, const CLineCell& line);
std::unique_ptr<CLineCell> ReadLineRecord(ArchiveReader& in);

void WriteFaceRecord(ArchiveWriter& out, const CFaceCell& face, StoredClass storedClass);
std::unique_ptr<CFaceCell> ReadFaceRecord(ArchiveReader& in, StoredClass storedClass);

void WriteTextRecord(ArchiveWriter& out, const CDTextCell& text);
std::unique_ptr<CDTextCell> ReadTextRecord(ArchiveReader& in);

// Solids: a plain solid, a bitmap text or a rich-text bitmap text, each in its own layout.
void WriteSolidRecord(ArchiveWriter& out, const CSubassembly& solid, StoredClass storedClass);
std::unique_ptr<CSubassembly> ReadSolidRecord(ArchiveReader& in, StoredClass storedClass);

// The plain bitmap-text layout alone, which the clipboard uses for every bitmap text.
void WriteBitTextRecord(ArchiveWriter& out, const CBitText& text);
std::unique_ptr<CBitText> ReadBitTextRecord(ArchiveReader& in);
std::unique_ptr<CSubassembly> ReadSubassemblyRecord(ArchiveReader& in);

// The stored class of a cell or button, from the name it gives.
StoredClass StoredClassOf(const char* className);

// StoredClassOf for many cells in a row, without comparing names each time: every cell of a
// class gives the same literal as its name, so once a class is looked up, the literal's address
// alone tells its cells apart.
class StoredClassCache {
public:
    StoredClass Of(const char* className);

private:
    std::array<const char*, kStoredClassCount> m_names{};  // by stored class, once looked up
};

}  // namespace velnor
