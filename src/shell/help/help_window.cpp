#include "shell/help/help_window.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>

#include "shell/command_icons.h"
#include "shell/help/help_browser.h"

namespace velnor {

namespace {

constexpr int kWidth = 820;
constexpr int kHeight = 640;

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Velnor 帮助"));
    setWindowIcon(ApplicationIcon());
    m_browser = new HelpBrowser(this);
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* home = bar->addAction(QStringLiteral("主页"), this, &HelpWindow::ShowHome);
    QAction* back = bar->addAction(QStringLiteral("后退"), m_browser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("前进"), m_browser, &QTextBrowser::forward);
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(QStringLiteral("%1 - Velnor 帮助").arg(m_browser->documentTitle()));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
    resize(kWidth, kHeight);
}

void HelpWindow::ShowTopics() {
    if (m_browser->source().isEmpty()) {
        m_browser->setSource(HelpBrowser::kHome);
    }
    Present();
}

void HelpWindow::ShowHome() {
    m_browser->setSource(HelpBrowser::kHome);
    Present();
}

void HelpWindow::Present() {
    show();
    raise();
    activateWindow();
}

}  // namespace velnor
