#pragma once

#include <string>

#include "model/button_cells.h"

namespace velnor {

// How a run of a translate, rotate or series button ends; each returns what Step returns.

// The motion has been carried out: caption + "复位", state 1. A two-way button goes on backward.
bool FinishForwardRun(CBtCmd& button);
// Back in the starting state: plain caption, state 0, and the button stops.
bool FinishBackwardRun(CBtCmd& button);

void SetWindowText(const CBtCmd& button, const std::string& text);

}  // namespace velnor
