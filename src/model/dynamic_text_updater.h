#pragma once

namespace velnor {

class CGpage;
class CDTextCell;

// Measurement texts are recomputed by the geometry code, which the model does not include; the
// program installs the function that recomputes one text from its page's vertices.
using DynamicTextUpdater = void (*)(const CGpage& page, CDTextCell& text);

// Installs the updater CGpage::UpdateDynamicTexts calls; nullptr leaves the texts as they are.
// Returns the previous one.
DynamicTextUpdater SetDynamicTextUpdater(DynamicTextUpdater updater);
DynamicTextUpdater InstalledDynamicTextUpdater();

}  // namespace velnor
