#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace velnor {

// A document a program that ended without closing left behind in the recovery folder.
struct RecoveredDocument {
    QString recoveryFile;  // the autosaved document
    QString originalPath;  // the file it was opened from or saved to; empty for a new one
    QString title;
    QDateTime savedAt;
};

// Never lose a lesson: while the document is modified it is written every interval (a minute
// unless the setting says otherwise) to a recovery file in the user's data folder, never beside
// the user's own file. A normal save, a new or opened document and closing the window remove it;
// a crash leaves it, and the next start offers it back. While this program runs it holds a lock
// beside its recovery file, so a second running copy does not take it for a crashed one's.
class AutoSave : public QObject {
    Q_OBJECT

public:
    // The document as file bytes, and whether it has unsaved changes.
    using Snapshot = std::function<std::vector<uint8_t>()>;
    using Modified = std::function<bool()>;

    AutoSave(Snapshot snapshot, Modified modified, QObject* parent = nullptr);
    ~AutoSave() override;

    // Seconds between autosaves, from the settings ("Autosave/Interval"; 0 turns it off).
    static int IntervalSeconds();
    // Stores the interval for later starts as well and gives it to the running timer at once.
    void SetIntervalSeconds(int seconds);
    // The running timer's interval; 0 while autosaving is off.
    int TimerSeconds() const;
    static QString RecoveryFolder();
    // Documents left by programs that are no longer running, newest first.
    static std::vector<RecoveredDocument> Orphans();
    // Removes an orphan's files once it was restored or declined.
    static void Remove(const RecoveredDocument& orphan);

    // The document's path for the next recovery file, which remembers where it belongs.
    void SetDocumentPath(const QString& path, const QString& title);
    // Writes the recovery file now if the document is modified; false after a failure.
    bool SaveNow();
    // Removes this program's recovery file: the document was saved, replaced or closed.
    void Discard();

    QString RecoveryFile() const;

signals:
    void Failed(const QString& reason);

private:
    QString FilePath(const QString& suffix) const;
    bool Lock();
    void StartTimer(int seconds);

    Snapshot m_snapshot;
    Modified m_modified;
    QTimer m_timer;
    QString m_strId;
    QString m_strPath;
    QString m_strTitle;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace velnor
