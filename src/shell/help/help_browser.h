#pragma once

#include <QTextBrowser>

namespace velnor {

// The help pages: the written ones from the program's resources, the menu pages made from the
// command table, and the home page with the list of menus filled in.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    static const QUrl kHome;

    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace velnor
