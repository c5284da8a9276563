#include "shell/auto_save.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <chrono>
#include <exception>

#include "persistence/file_replacing.h"
#include "shell/program_profile.h"

namespace velnor {

namespace {

constexpr int kDefaultIntervalSeconds = 60;
const QString kIntervalKey = QStringLiteral("Autosave/Interval");
const QString kDocumentSuffix = QStringLiteral(".plm");
const QString kInfoSuffix = QStringLiteral(".ini");
const QString kLockSuffix = QStringLiteral(".lock");

QString SiblingPath(const QString& recoveryFile, const QString& suffix) {
    return recoveryFile.left(recoveryFile.size() - kDocumentSuffix.size()) + suffix;
}

// Another running copy holds the lock of its own recovery file; a crashed one's lock is stale.
bool IsHeldByARunningProgram(const QString& lockPath) {
    QLockFile lock(lockPath);
    // A live owner's lock never goes stale by age: autosaves go on for hours.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

}  // namespace

AutoSave::AutoSave(Snapshot snapshot, Modified modified, QObject* parent)
    : QObject(parent),
      m_snapshot(std::move(snapshot)),
      m_modified(std::move(modified)),
      m_strId(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    connect(&m_timer, &QTimer::timeout, this, &AutoSave::SaveNow);
    StartTimer(IntervalSeconds());
}

AutoSave::~AutoSave() = default;

int AutoSave::IntervalSeconds() {
    return std::max(0, ProgramProfile().value(kIntervalKey, kDefaultIntervalSeconds).toInt());
}

void AutoSave::SetIntervalSeconds(int seconds) {
    seconds = std::max(0, seconds);
    ProgramProfile().setValue(kIntervalKey, seconds);
    StartTimer(seconds);
}

int AutoSave::TimerSeconds() const {
    return m_timer.isActive() ? m_timer.interval() / 1000 : 0;
}

void AutoSave::StartTimer(int seconds) {
    if (seconds > 0) {
        m_timer.start(std::chrono::seconds(seconds));
    } else {
        m_timer.stop();
    }
}

QString AutoSave::RecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

std::vector<RecoveredDocument> AutoSave::Orphans() {
    std::vector<RecoveredDocument> orphans;
    const QDir folder(RecoveryFolder());
    for (const QString& name :
         folder.entryList({QLatin1Char('*') + kDocumentSuffix}, QDir::Files)) {
        const QString file = folder.filePath(name);
        if (IsHeldByARunningProgram(SiblingPath(file, kLockSuffix))) {
            continue;
        }
        const QSettings info(SiblingPath(file, kInfoSuffix), QSettings::IniFormat);
        orphans.push_back({file, info.value(QStringLiteral("path")).toString(),
                           info.value(QStringLiteral("title")).toString(),
                           info.value(QStringLiteral("saved")).toDateTime()});
    }
    std::sort(orphans.begin(), orphans.end(),
              [](const auto& a, const auto& b) { return a.savedAt > b.savedAt; });
    return orphans;
}

void AutoSave::Remove(const RecoveredDocument& orphan) {
    QFile::remove(orphan.recoveryFile);
    QFile::remove(SiblingPath(orphan.recoveryFile, kInfoSuffix));
}

void AutoSave::SetDocumentPath(const QString& path, const QString& title) {
    m_strPath = path;
    m_strTitle = title;
}

QString AutoSave::RecoveryFile() const {
    return FilePath(kDocumentSuffix);
}

QString AutoSave::FilePath(const QString& suffix) const {
    return RecoveryFolder() + QLatin1Char('/') + m_strId + suffix;
}

bool AutoSave::Lock() {
    if (m_lock) {
        return true;
    }
    if (!QDir().mkpath(RecoveryFolder())) {
        emit Failed(QStringLiteral("不能创建文件夹 %1").arg(RecoveryFolder()));
        return false;
    }
    auto lock = std::make_unique<QLockFile>(FilePath(kLockSuffix));
    if (!lock->tryLock(0)) {
        emit Failed(QStringLiteral("不能锁定 %1").arg(FilePath(kLockSuffix)));
        return false;
    }
    m_lock = std::move(lock);
    return true;
}

bool AutoSave::SaveNow() {
    if (!m_modified() || !Lock()) {
        return false;
    }
    {
        QSettings info(FilePath(kInfoSuffix), QSettings::IniFormat);
        info.setValue(QStringLiteral("path"), m_strPath);
        info.setValue(QStringLiteral("title"), m_strTitle);
        info.setValue(QStringLiteral("saved"), QDateTime::currentDateTime());
    }
    try {
        const std::vector<uint8_t> bytes = m_snapshot();
        WriteFileReplacing(RecoveryFile().toStdU16String(), bytes);
    } catch (const std::exception& error) {
        emit Failed(QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

void AutoSave::Discard() {
    QFile::remove(FilePath(kDocumentSuffix));
    QFile::remove(FilePath(kInfoSuffix));
}

}  // namespace velnor
