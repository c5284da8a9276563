#include "shell/help/help_browser.h"

#include <QTextDocument>

#include "shell/help/menu_help_pages.h"

namespace velnor {

namespace {

const QString kMenuListMark = QStringLiteral("<!--menus-->");

}  // namespace

const QUrl HelpBrowser::kHome(QStringLiteral("qrc:/help/index.html"));

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpBrowser"));
    // Pages are offline; an address outside them (a web link) goes to the system's browser.
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::HtmlResource) {
        return QTextBrowser::loadResource(type, name);
    }
    if (const QString menu = MenuOfPage(name.fileName()); !menu.isEmpty()) {
        return MenuHelpPage(menu);
    }
    const QVariant page = QTextBrowser::loadResource(type, name);
    if (name.fileName() != kHome.fileName()) {
        return page;
    }
    return QString::fromUtf8(page.toByteArray()).replace(kMenuListMark, MenuHelpLinks());
}

}  // namespace velnor
