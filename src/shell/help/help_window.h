#pragma once

#include <QWidget>

namespace velnor {

class HelpBrowser;

// The help window of 帮助主题 (F1): the program's own pages, readable without a network, with
// buttons to go home, back and forward. It stays open beside the main window.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window where it was left (the home page the first time) and brings it forward.
    void ShowTopics();
    // Shows the home page.
    void ShowHome();

    HelpBrowser& Browser() { return *m_browser; }

private:
    void Present();

    HelpBrowser* m_browser;
};

}  // namespace velnor
