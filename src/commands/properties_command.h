#pragma once

#include "commands/command_entry.h"

namespace velnor {

// "修改图元属性": what it edits depends on the selection (see PropertiesCaseFor). The values of the
// dialog it would open come as parameters; a value left out keeps what the dialog would show.
//   one vertex: x y z r g b label shown ("修改点");
//   one button: caption twoway, and for a translate button x y z usepage useselection, for a
//     rotate button angle dx dy dz px py pz usepage useselection, for show/hide useselection;
//   otherwise the report of the selection is shown as a message, or, when there is none, the page
//     properties take scheme clip a b c d (not recorded).
// A value that does not belong to the case is refused with CommandError.
CommandEntry PropertiesItem();

}  // namespace velnor
