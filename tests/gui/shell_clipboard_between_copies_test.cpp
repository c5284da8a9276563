#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

#include "commands/command_ids.h"
#include "model/document.h"
#include "model/page.h"
#include "shell/command_actions.h"
#include "shell/main_frame.h"

namespace velnor {
namespace {

const QString kOwnType = QStringLiteral("application/x-velnor-morv");

bool ClipboardHoldsOurType() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasFormat(kOwnType);
}

// Run only by the test below, in a program of its own: copies a page with three vertices and
// keeps the clipboard until it is ended.
TEST(ClipboardOtherCopy, DISABLED_CopiesAPageAndWaits) {
    QStandardPaths::setTestModeEnabled(true);
    CMainFrame frame;
    for (const float x : {1.0f, 2.0f, 3.0f}) {
        frame.Document().CurrentPage().AddVertex(x, 0, 0);
    }
    frame.Actions().Run(cmd::kSelectWholePage);
    frame.Actions().Run(cmd::kCopy);
    std::puts("copied");
    std::fflush(stdout);
    QTest::qWait(60000);
}

TEST(ClipboardBetweenCopies, APageCopiedInOneRunningCopyPastesInAnother) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication::clipboard()->clear();
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=ClipboardOtherCopy.*"),
                 QStringLiteral("--gtest_also_run_disabled_tests")});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return other.readAllStandardOutput().contains("copied"); }, 30000));
    ASSERT_TRUE(QTest::qWaitFor(ClipboardHoldsOurType, 5000));

    CMainFrame frame;
    frame.Actions().Run(cmd::kPaste);
    other.kill();
    other.waitForFinished();
    ASSERT_EQ(frame.Document().m_pages.size(), 2u);
    EXPECT_EQ(frame.Document().CurrentPage().m_nVertexCount, 3);
}

}  // namespace
}  // namespace velnor
