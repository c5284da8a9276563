#pragma once

class QCoreApplication;

namespace velnor {

// The interface is Chinese: Qt's own translations make its standard dialogs and buttons (file
// dialogs, message-box buttons, the colour dialog) Chinese too. Returns whether they were found.
bool InstallChineseTranslations(QCoreApplication& app);

}  // namespace velnor
