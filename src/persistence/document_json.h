#pragma once

#include <string>

#include "model/document.h"
#include "model/gl_model.h"
#include "persistence/json_writer.h"

namespace velnor {

// The document as JSON, for `velnor-cli dump`: top-level keys "settings", "next_page_id",
// "components", "pages" and "notes_rtf"; see README.md for the keys of pages and cells.
std::string DocumentToJson(const CPlomDoc& doc, const CGlModel& settings);

void WriteSettingsJson(JsonWriter& json, const CGlModel& settings);
void WritePageJson(JsonWriter& json, const CGpage& page);

}  // namespace velnor
