#include <string>
#include <string_view>

#include "editing/properties.h"
#include "geometry/selection_report.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "shell/dialogs/command_dialogs.h"

namespace velnor {

namespace {

bool AskSolidProperties(const DialogContext& context, CommandParams& values) {
    const CGpage& page = context.doc.CurrentPage();
    const auto found = page.m_solids.find(static_cast<uint16_t>(page.m_selSolids.front()));
    if (found == page.m_solids.end()) {
        return false;
    }
    // Bitmap texts have no dialog here: the command refuses a plain one with its reason and hands
    // a rich one to the windows, whose text editor edits it.
    const std::string_view kind = found->second->ClassName();
    return kind == "CBitText" || kind == "CBitRtfText" || AskComponentChange(context, values);
}

}  // namespace

// 属性: the selection decides. One vertex: 点属性; one solid: 组件 in its modify mode; one button:
// its own dialog; otherwise the report of the selection in a box, before anything else, or 页属性
// when there is nothing to report.
bool AskProperties(const DialogContext& context, CommandParams& values) {
    const CGpage& page = context.doc.CurrentPage();
    switch (PropertiesCaseFor(page)) {
        case PropertiesCase::kVertex:
            return AskPoint(context, values);
        case PropertiesCase::kSolid:
            return AskSolidProperties(context, values);
        case PropertiesCase::kButton:
            return AskButton(context, values);
        case PropertiesCase::kReportOrPage:
            break;
    }
    const std::string report = BuildSelectionReport(page);
    if (report != kNoSelectionReport) {
        ShowMessage(report);
        return false;
    }
    return AskPage(context, values);
}

}  // namespace velnor
