#include "editing/transform_record.h"

#include <memory>

#include "editing/cmd_transform.h"
#include "model/document.h"

namespace velnor {

void RecordTransform(CPlomDoc& doc, int kind, const std::string& name) {
    auto cmd = std::make_unique<CCmdTransform>(kind, doc, name);
    const CGpage& page = doc.CurrentPage();
    cmd->m_pointIds = page.m_selPoints;
    cmd->m_tiIds = page.m_selSolids;
    cmd->Snapshot();
    doc.CommandProcessor().AddCommand(std::move(cmd));
}

}  // namespace velnor
