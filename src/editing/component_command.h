#pragma once

#include "geometry/component_values.h"

namespace velnor {

class CPlomDoc;

// "新建" of the components command: adds the solid the values describe to the current page,
// records it as "添加" followed by the kind's name, and gives the page the kind's display preset.
// A kind past 26, a page component that is not one of the document's, or a value that is not a
// number adds nothing.
bool AddComponent(CPlomDoc& doc, const ComponentValues& values);

// "应用" of the properties command: writes the values into the solid (its undo record is made
// by the properties command before the dialog opens). An axis of no length turns downwards in y.
// A page component without a chosen page changes nothing.
bool ApplyComponent(CPlomDoc& doc, CSubassembly& solid, const ComponentValues& values);

}  // namespace velnor
