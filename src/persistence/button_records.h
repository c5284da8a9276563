#pragma once

#include <memory>

#include "model/button_cells.h"
#include "persistence/archive_reader.h"
#include "persistence/archive_writer.h"

namespace velnor {

// The stored records of the five kinds of action button.
void WriteButtonRecord(ArchiveWriter& out, const CBtCmd& button, StoredClass storedClass);

// Reads the record of a button of that stored class. The kind inside the record must be the
// class's kind.
std::unique_ptr<CBtCmd> ReadButtonRecord(ArchiveReader& in, StoredClass storedClass);

// The stored class of a button kind (1 show/hide .. 5 serial series), as the clipboard names it.
StoredClass ButtonClassOfKind(ArchiveReader& in, uint8_t kind);

}  // namespace velnor
