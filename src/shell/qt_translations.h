#pragma once

class QCoreApplication;

namespace velnor {

// Qt's own dialogs (the colour picker, the buttons of message boxes) speak Chinese like the rest
// of the program. Without the translations installed they stay in English.
void InstallQtTranslations(QCoreApplication& app);

}  // namespace velnor
