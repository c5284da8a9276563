#pragma once

#include <functional>
#include <optional>

#include "output/net_sheets.h"

class QWidget;

namespace velnor {

// How a net is printed: centimetres for a unit of the page, and the paper.
struct NetPaperChoice {
    double scale = 1.0;
    PaperKind paper = PaperKind::kA4;
};

// 打印展开图: the scale and the paper, starting from `current`, showing how many sheets
// `sheetCount` says the choice takes as the user changes it. Nothing when the user cancels.
std::optional<NetPaperChoice> AskNetPaper(
    const NetPaperChoice& current, const std::function<int(const NetPaperChoice&)>& sheetCount,
    QWidget* parent);

}  // namespace velnor
