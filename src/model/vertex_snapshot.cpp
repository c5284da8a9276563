#include "model/vertex_snapshot.h"

namespace velnor {

CPointCell SnapshotVertex(const CGpage& page, int index) {
    return CPointCell(page.m_pos[index], page.m_color[index], page.m_label[index],
                      page.m_bShown[index]);
}

void WriteVertex(CGpage& page, int index, const CPointCell& snapshot) {
    page.m_pos[index] = snapshot.m_pos;
    page.m_color[index] = snapshot.m_color;
    page.m_label[index] = snapshot.m_label;
    page.m_bShown[index] = snapshot.m_bShown;
}

}  // namespace velnor
