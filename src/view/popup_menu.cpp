#include "view/popup_menu.h"

#include <QApplication>
#include <QStyle>

#include <vector>

#include "commands/command_execution.h"
#include "commands/command_table.h"

namespace velnor {

namespace {

constexpr int kFullScreen = 32776;
constexpr int kStartStop = 32745;
constexpr int kReset = 32794;
constexpr int kControlBar = 32897;
constexpr int kAxes = 32920;
constexpr int kSelect = 32844;
constexpr int kLock = 32827;
constexpr int kThreeViews = 33091;
constexpr int kProjectionSubmenu = 0;
constexpr int kSmoothShading = 33171;
constexpr int kPreviousPage = 32817;
constexpr int kNextPage = 32819;

// The items in groups that separators keep apart.
const std::vector<std::vector<int>> kGroups{
    {kFullScreen},
    {kStartStop, kReset},
    {kControlBar, kAxes},
    {kSelect, kLock},
    {kThreeViews, kProjectionSubmenu, kSmoothShading},
    {kPreviousPage, kNextPage},
};
const std::vector<int> kProjections{33040, 33041, 33042};

QString ItemText(const CommandEntry& entry) {
    // The menu bar names the switch after its grid; here it goes by the axes.
    return entry.id == kAxes ? QStringLiteral("坐标轴") : QString::fromStdString(entry.text);
}

void AddItem(QMenu& menu, int id, const CPlomDoc* doc, const std::function<void(int)>& run) {
    const CommandEntry* entry = FindCommand(id);
    if (!entry) {
        return;
    }
    QAction* action = menu.addAction(ItemText(*entry));
    if (id == kFullScreen) {
        action->setIcon(QApplication::style()->standardIcon(QStyle::SP_TitleBarMaxButton));
    } else if (id == kReset) {
        action->setIcon(QApplication::style()->standardIcon(QStyle::SP_BrowserReload));
    }
    if (doc) {
        action->setEnabled(IsCommandEnabled(*entry, *doc));
        const bool checked = IsCommandChecked(*entry, *doc);
        action->setCheckable(checked);
        action->setChecked(checked);
    }
    QObject::connect(action, &QAction::triggered, [run, id] { run(id); });
}

}  // namespace

std::unique_ptr<QMenu> BuildViewPopupMenu(QWidget* parent, const CPlomDoc* doc,
                                          const std::function<void(int)>& run) {
    auto menu = std::make_unique<QMenu>(parent);
    for (const std::vector<int>& group : kGroups) {
        if (!menu->isEmpty()) {
            menu->addSeparator();
        }
        for (const int id : group) {
            if (id != kProjectionSubmenu) {
                AddItem(*menu, id, doc, run);
                continue;
            }
            QMenu* projections = menu->addMenu(QStringLiteral("投影类型"));
            for (const int projection : kProjections) {
                AddItem(*projections, projection, doc, run);
            }
        }
    }
    return menu;
}

}  // namespace velnor
