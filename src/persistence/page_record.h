#pragma once

#include <memory>
#include <span>

#include "model/page.h"
#include "persistence/archive_reader.h"
#include "persistence/archive_writer.h"

namespace velnor {

// The stored record of a page: its fields, vertex table, five cell maps and four selection lists.
void WritePageRecord(ArchiveWriter& out, const CGpage& page);

// Reads a page record into a new page. Besides damage, refuses what the page cannot hold: more
// than 200 vertices, a vertex index at or beyond the vertex count, a cell of the wrong class in
// a map, or a key stored twice in one map.
std::unique_ptr<CGpage> ReadPageRecord(ArchiveReader& in);

// One row of the vertex table: x, red, y, green, z, blue, label, shown flag.
void WriteVertexRow(ArchiveWriter& out, const CGpage& page, int index);
void ReadVertexRow(ArchiveReader& in, CGpage& page, int index);

// Refuses (through the reader) a vertex index that is not below the vertex count, naming its
// user in the message.
[[noreturn]] void RefuseVertexIndex(const ArchiveReader& in, int index, int vertexCount,
                                    const char* user);

// Runs for every index a page holds, so the check is inline and the refusal out of line.
inline void CheckVertexIndex(const ArchiveReader& in, int index, int vertexCount,
                             const char* user) {
    if (index < 0 || index >= vertexCount) {
        RefuseVertexIndex(in, index, vertexCount, user);
    }
}

// Checks every vertex index that the cell or button holds.
void CheckVertexIndices(const ArchiveReader& in, const CLineCell& line, int vertexCount);
void CheckVertexIndices(const ArchiveReader& in, const CFaceCell& face, int vertexCount);
void CheckVertexIndices(const ArchiveReader& in, const CDTextCell& text, int vertexCount);
void CheckVertexIndices(const ArchiveReader& in, const CBtCmd& button, int vertexCount);

}  // namespace velnor
