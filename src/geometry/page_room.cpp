#include "geometry/page_room.h"

#include "geometry/construction_messages.h"
#include "model/cell_keys.h"
#include "model/message_seam.h"
#include "model/page.h"

namespace velnor {

bool RoomForCells(const CGpage& page, const AddedCells& cells) {
    if (!page.HasRoomFor(cells.points)) {
        ShowMessage(kVertexLimitMessage);
        return false;
    }
    if (!page.HasKeysFor(cells)) {
        ShowMessage(kPageFullMessage);
        return false;
    }
    return true;
}

}  // namespace velnor
