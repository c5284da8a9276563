#pragma once

class QWidget;

namespace velnor {

class AutoSave;
class DocumentFiles;

// At start: offers each document that a crashed program left in the recovery folder, newest
// first, until the user restores one. A restored document is autosaved again at once under this
// program's name before the old recovery file goes; a declined one is removed.
void OfferRecovery(QWidget& parent, DocumentFiles& files, AutoSave& autoSave);

}  // namespace velnor
