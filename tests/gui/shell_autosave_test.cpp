#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "model/document.h"
#include "model/page.h"
#include "shell/auto_save.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "shell/program_profile.h"
#include "shell/settings_bar.h"

namespace velnor {
namespace {

void AddModifyingVertex(CMainFrame& frame, float x) {
    frame.Document().CurrentPage().AddVertex(x, 0, 0);
    frame.Document().SetModifiedFlag();
}

bool IsOrphan(const QString& recoveryFile) {
    for (const RecoveredDocument& orphan : AutoSave::Orphans()) {
        if (orphan.recoveryFile == recoveryFile) {
            return true;
        }
    }
    return false;
}

// Other test programs may be running beside this one with recovery files of their own, so the
// tests look only at the files they made.
class AutoSaveTest : public testing::Test {
protected:
    AutoSaveTest() { QStandardPaths::setTestModeEnabled(true); }
};

// Run only by the test below, in a program of its own: autosaves twice, changes the document
// once more and dies without closing anything.
TEST(AutoSaveChild, DISABLED_AutosavesAndIsKilled) {
    QStandardPaths::setTestModeEnabled(true);
    CMainFrame frame;
    AddModifyingVertex(frame, 1);
    ASSERT_TRUE(frame.Recovery().SaveNow());
    AddModifyingVertex(frame, 2);
    ASSERT_TRUE(frame.Recovery().SaveNow());
    AddModifyingVertex(frame, 3);
    ::kill(::getpid(), SIGKILL);
}

// Test programs running beside this one (other build trees) share the test data folder: this
// test and its child get a home of their own, so that only the child's orphan is found.
class OwnHome {
public:
    OwnHome() : m_old(qgetenv("HOME")) { qputenv("HOME", m_home.path().toLocal8Bit()); }
    ~OwnHome() { qputenv("HOME", m_old); }
    OwnHome(const OwnHome&) = delete;
    OwnHome& operator=(const OwnHome&) = delete;

private:
    QTemporaryDir m_home;
    QByteArray m_old;
};

TEST_F(AutoSaveTest, AKilledProgramsDocumentIsOfferedBackWithItsLastAutosave) {
    const OwnHome home;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=AutoSaveChild.*"),
                 QStringLiteral("--gtest_also_run_disabled_tests")});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardOutput().data();
    const std::vector<RecoveredDocument> orphans = AutoSave::Orphans();
    ASSERT_EQ(orphans.size(), 1u);

    // The next start asks; the teacher says yes.
    QString question;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        }
    });
    answer.start(50);
    CMainFrame frame;
    frame.RecoverAtStart();
    frame.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !question.isEmpty(); }, 10000));
    EXPECT_TRUE(question.contains(QStringLiteral("未命名")));
    QApplication::processEvents();
    const CGpage& page = frame.Document().CurrentPage();
    EXPECT_EQ(page.m_nVertexCount, 2);
    EXPECT_TRUE(frame.Document().IsModified());
    // The restored lesson is safe again under this program, and the old file is gone.
    const QString ownFile = frame.Recovery().RecoveryFile();
    EXPECT_TRUE(QFileInfo::exists(ownFile));
    EXPECT_FALSE(IsOrphan(ownFile));
    EXPECT_FALSE(QFileInfo::exists(orphans.front().recoveryFile));

    frame.Document().SetModifiedFlag(false);
    frame.close();
    EXPECT_FALSE(QFileInfo::exists(ownFile));
}

TEST_F(AutoSaveTest, ARunningCopysFileIsNotAnOrphanAndSavingOrANewDocumentRemovesIt) {
    QTemporaryDir dir;
    const std::vector<std::pair<const char*, std::function<void(CMainFrame&)>>> endings = {
        {"save", [&](CMainFrame& frame) { frame.Files().SavePath(dir.filePath("a.plm")); }},
        {"new",
         [](CMainFrame& frame) {
             frame.Document().SetModifiedFlag(false);
             frame.Files().New();
         }},
    };
    for (const auto& [name, end] : endings) {
        SCOPED_TRACE(name);
        CMainFrame frame;
        EXPECT_FALSE(frame.Recovery().SaveNow()) << "an unmodified document is not autosaved";
        AddModifyingVertex(frame, 1);
        ASSERT_TRUE(frame.Recovery().SaveNow());
        const QString ownFile = frame.Recovery().RecoveryFile();
        EXPECT_TRUE(QFileInfo::exists(ownFile));
        EXPECT_FALSE(IsOrphan(ownFile));
        end(frame);
        EXPECT_FALSE(QFileInfo::exists(ownFile));
    }
}

// The tests change the teacher's interval; it is put back after them.
class StoredIntervalKept {
public:
    StoredIntervalKept() : m_value(ProgramProfile().value(kIntervalKey)) {}
    ~StoredIntervalKept() {
        if (m_value.isValid()) {
            ProgramProfile().setValue(kIntervalKey, m_value);
        } else {
            ProgramProfile().remove(kIntervalKey);
        }
    }

private:
    static inline const QString kIntervalKey = QStringLiteral("Autosave/Interval");
    QVariant m_value;
};

QSpinBox* IntervalField(CMainFrame& frame) {
    return frame.Settings().findChild<QSpinBox*>(QStringLiteral("AutosaveMinutes"));
}

TEST_F(AutoSaveTest, TheIntervalFieldSetsTheStoredIntervalAndTheRunningTimerNotTheDocument) {
    const StoredIntervalKept kept;
    CMainFrame frame;
    QSpinBox* field = IntervalField(frame);
    ASSERT_NE(field, nullptr);
    struct Case {
        std::function<void()> change;
        const char* shown;
        int seconds;
    };
    const Case cases[] = {
        {[&] { field->setValue(5); }, "5 分钟", 300},
        {[&] { field->setValue(0); }, "关闭", 0},
        {[&] { QTest::keyClick(field, Qt::Key_Up); }, "1 分钟", 60},
        {[&] { field->setValue(120); }, "120 分钟", 7200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        c.change();
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(AutoSave::IntervalSeconds(), c.seconds);
        EXPECT_EQ(frame.Recovery().TimerSeconds(), c.seconds);
        EXPECT_FALSE(frame.Document().IsModified());
    }
}

TEST_F(AutoSaveTest, ALaterStartShowsTheStoredIntervalAndKeepsIt) {
    const StoredIntervalKept kept;
    const std::pair<int, const char*> cases[] = {{0, "关闭"}, {90, "2 分钟"}, {20, "1 分钟"}};
    for (const auto& [seconds, shown] : cases) {
        SCOPED_TRACE(shown);
        ProgramProfile().setValue(QStringLiteral("Autosave/Interval"), seconds);
        CMainFrame frame;
        EXPECT_EQ(IntervalField(frame)->text(), QString::fromUtf8(shown));
        EXPECT_EQ(frame.Recovery().TimerSeconds(), seconds);
        EXPECT_EQ(AutoSave::IntervalSeconds(), seconds) << "showing it does not round it";
    }
}

}  // namespace
}  // namespace velnor
