#include "shell/help/menu_help_pages.h"

#include <string>

#include "commands/command_table.h"

namespace velnor {

namespace {

const QString kPagePrefix = QStringLiteral("menu-");
const QString kPageSuffix = QStringLiteral(".html");

QString TopMenu(const std::string& path) {
    return QString::fromStdString(path).section(QLatin1Char('/'), 0, 0);
}

QString SubMenu(const std::string& path) {
    return QString::fromStdString(path).section(QLatin1Char('/'), 1);
}

QString Keys(const CommandEntry& entry) {
    QStringList keys;
    for (const std::string& key : entry.keys) {
        keys << QString::fromStdString(key).toHtmlEscaped();
    }
    return keys.join(QStringLiteral("、"));
}

QString Row(const CommandEntry& entry) {
    const QString prompt = QString::fromStdString(entry.prompt).toHtmlEscaped();
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
        .arg(QString::fromStdString(entry.text).toHtmlEscaped(), Keys(entry),
             prompt.isEmpty() ? QStringLiteral("—") : prompt, QString::number(entry.id));
}

}  // namespace

QStringList HelpMenus() {
    QStringList menus;
    for (const CommandEntry& entry : CommandTable()) {
        const QString menu = TopMenu(entry.menu);
        if (!menus.contains(menu)) {
            menus << menu;
        }
    }
    return menus;
}

QString MenuPageName(const QString& menu) {
    return kPagePrefix + menu + kPageSuffix;
}

QString MenuOfPage(const QString& fileName) {
    if (!fileName.startsWith(kPagePrefix) || !fileName.endsWith(kPageSuffix)) {
        return {};
    }
    return fileName.mid(kPagePrefix.size(),
                        fileName.size() - kPagePrefix.size() - kPageSuffix.size());
}

QString MenuHelpPage(const QString& menu) {
    QString rows;
    QString subMenu;
    for (const CommandEntry& entry : CommandTable()) {
        if (TopMenu(entry.menu) != menu || IsPlaceholder(entry)) {
            continue;
        }
        // A submenu's items follow a row with its name.
        if (const QString sub = SubMenu(entry.menu); sub != subMenu) {
            subMenu = sub;
            if (!sub.isEmpty()) {
                rows += QStringLiteral("<tr><th colspan=\"4\" align=\"left\">%1</th></tr>\n")
                            .arg(sub.toHtmlEscaped());
            }
        }
        rows += Row(entry);
    }
    if (rows.isEmpty()) {
        return {};
    }
    return QStringLiteral(
               "<html><head><title>%1菜单</title></head><body>\n"
               "<p><a href=\"index.html\">帮助主页</a></p>\n<h1>%1菜单</h1>\n"
               "<p>选择菜单项时，状态栏显示它的提示。编号可在输入行和脚本中代替命令的文字。</p>\n"
               "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
               "<tr><th>命令</th><th>快捷键</th><th>提示</th><th>编号</th></tr>\n%2"
               "</table></body></html>\n")
        .arg(menu.toHtmlEscaped(), rows);
}

QString MenuHelpLinks() {
    QString links = QStringLiteral("<ul>\n");
    for (const QString& menu : HelpMenus()) {
        links += QStringLiteral("<li><a href=\"%1\">%2菜单</a></li>\n")
                     .arg(MenuPageName(menu).toHtmlEscaped(), menu.toHtmlEscaped());
    }
    return links + QStringLiteral("</ul>\n");
}

}  // namespace velnor
