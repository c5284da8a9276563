#pragma once

#include <QString>
#include <QStringList>

namespace velnor {

// Help pages made from the command table, so they list exactly the commands the menus hold.

// The menus of the menu bar, in order.
QStringList HelpMenus();

// The page of one menu: every command with its keys, its status-bar prompt and its number for
// scripts; an empty string for a menu the table does not have.
QString MenuHelpPage(const QString& menu);

// The file name a menu's page is linked under ("menu-文件.html"), and back; the second gives an
// empty string for any other name.
QString MenuPageName(const QString& menu);
QString MenuOfPage(const QString& fileName);

// A list of links to every menu's page, for the home page.
QString MenuHelpLinks();

}  // namespace velnor
