#include "shell/recovery_offer.h"

#include <QMessageBox>

#include "shell/auto_save.h"
#include "shell/document_files.h"

namespace velnor {

void OfferRecovery(QWidget& parent, DocumentFiles& files, AutoSave& autoSave) {
    for (const RecoveredDocument& orphan : AutoSave::Orphans()) {
        const QString name = orphan.title.isEmpty() ? QStringLiteral("未命名") : orphan.title;
        const auto answer = QMessageBox::question(
            &parent, QStringLiteral("恢复文档"),
            QStringLiteral("Velnor 上次没有正常退出。\n文档“%1”在 %2 自动保存的内容可以恢复。\n"
                           "是否恢复？")
                .arg(name, orphan.savedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) {
            AutoSave::Remove(orphan);
            continue;
        }
        // A recovery file that does not load has been reported; it cannot help any more.
        const bool restored = files.OpenRecovered(orphan.recoveryFile, orphan.originalPath);
        if (restored) {
            autoSave.SaveNow();
        }
        AutoSave::Remove(orphan);
        if (restored) {
            return;
        }
    }
}

}  // namespace velnor
