#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "shell/command_actions.h"
#include "shell/help/about_dialog.h"
#include "shell/help/help_browser.h"
#include "shell/help/help_window.h"
#include "shell/help/menu_help_pages.h"
#include "shell/main_frame.h"

namespace velnor {
namespace {

class HelpTest : public testing::Test {
protected:
    HelpTest() {
        QStandardPaths::setTestModeEnabled(true);
        frame.resize(1400, 900);
        frame.show();
        QApplication::processEvents();
    }

    CMainFrame frame;
};

TEST_F(HelpTest, F1OpensTheHelpWindowOnItsHomePage) {
    ASSERT_EQ(frame.Help(), nullptr);
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F1);
    QApplication::processEvents();
    ASSERT_NE(frame.Help(), nullptr);
    HelpWindow& help = *frame.Help();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.Browser().source(), HelpBrowser::kHome);
    EXPECT_TRUE(help.Browser().toPlainText().contains(QStringLiteral("第一课")));
    help.resize(900, 700);
    QTest::qWait(100);
    help.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/help_home.png"));

    // 画板主页 comes back home from wherever the reader went.
    help.Browser().setSource(QUrl(QStringLiteral("qrc:/help/tools.html")));
    frame.Actions().Action(cmd::kHomePage)->trigger();
    EXPECT_EQ(help.Browser().source(), HelpBrowser::kHome);
    help.Browser().setSource(QUrl(QStringLiteral("qrc:/help/") + MenuPageName("创建")));
    QTest::qWait(100);
    help.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/help_menu_page.png"));
}

// Every link of the home page leads to a page that exists and has a heading.
TEST_F(HelpTest, EveryLinkOfTheHomePageOpensAPage) {
    HelpBrowser browser;
    const QString home =
        browser.loadResource(QTextDocument::HtmlResource, HelpBrowser::kHome).toString();
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    int links = 0;
    for (const auto& match : link.globalMatch(home)) {
        const QUrl target = HelpBrowser::kHome.resolved(QUrl(match.captured(1)));
        SCOPED_TRACE(target.toString().toStdString());
        const QVariant page = browser.loadResource(QTextDocument::HtmlResource, target);
        const QString text = page.typeId() == QMetaType::QString
                                 ? page.toString()
                                 : QString::fromUtf8(page.toByteArray());
        EXPECT_TRUE(text.contains(QStringLiteral("<h1>")));
        ++links;
    }
    EXPECT_EQ(links, 4 + HelpMenus().size());
}

// The menu pages list each command of the table under its menu, with its keys and prompt.
TEST(MenuHelpPages, ListEveryCommandWithItsKeysAndPrompt) {
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.text.starts_with("(")) {
            continue;
        }
        const QString menu = QString::fromStdString(entry.menu).section('/', 0, 0);
        SCOPED_TRACE(entry.text);
        ASSERT_TRUE(HelpMenus().contains(menu));
        const QString page = MenuHelpPage(menu);
        EXPECT_TRUE(page.contains(QString::fromStdString(entry.text).toHtmlEscaped()));
        EXPECT_TRUE(page.contains(QString::fromStdString(entry.prompt).toHtmlEscaped()));
        EXPECT_TRUE(page.contains(QStringLiteral("<td>%1</td>").arg(entry.id)));
        for (const std::string& key : entry.keys) {
            EXPECT_TRUE(page.contains(QString::fromStdString(key).toHtmlEscaped()));
        }
    }
    EXPECT_TRUE(MenuHelpPage(QStringLiteral("没有")).isEmpty());
    EXPECT_EQ(MenuOfPage(MenuPageName(QStringLiteral("视图"))), QStringLiteral("视图"));
    EXPECT_TRUE(MenuOfPage(QStringLiteral("index.html")).isEmpty());
}

TEST_F(HelpTest, AboutShowsTheVersionAndTheLibrariesLicences) {
    AboutDialog about(&frame);
    about.show();
    QTest::qWait(100);
    about.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/about.png"));
    auto* licences = about.findChild<QTextBrowser*>(QStringLiteral("Licences"));
    ASSERT_NE(licences, nullptr);
    for (const char* name : {"Qt", "GLU", "freeglut", "giflib", "LGPL"}) {
        EXPECT_TRUE(licences->toPlainText().contains(QString::fromUtf8(name))) << name;
    }
    bool showsVersion = false;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        showsVersion = showsVersion || label->text().contains(QStringLiteral(VELNOR_VERSION));
    }
    EXPECT_TRUE(showsVersion);
}

}  // namespace
}  // namespace velnor
