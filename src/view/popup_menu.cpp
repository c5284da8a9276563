#include "view/popup_menu.h"

#include <QApplication>
#include <QStyle>

#include <vector>

#include "commands/command_execution.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"

namespace velnor {

namespace {

constexpr int kProjectionSubmenu = 0;

// The items in groups that separators keep apart.
const std::vector<std::vector<int>> kGroups{
    {cmd::kFullScreen},
    {cmd::kStartStop, cmd::kReset},
    {cmd::kControlBar, cmd::kShowGrid},
    {cmd::kSelectTool, cmd::kLockSelection},
    {cmd::kThreeView, kProjectionSubmenu, cmd::kSmoothShading},
    {cmd::kPreviousPage, cmd::kNextPage},
};
const std::vector<int> kProjections{cmd::kCentralProjection, cmd::kOrthographicProjection,
                                    cmd::kObliqueProjection};

QString ItemText(const CommandEntry& entry) {
    // The menu bar names the switch after its grid; here it goes by the axes.
    return entry.id == cmd::kShowGrid ? QStringLiteral("坐标轴")
                                      : QString::fromStdString(entry.text);
}

void AddItem(QMenu& menu, int id, const CPlomDoc* doc, const std::function<void(int)>& run) {
    const CommandEntry* entry = FindCommand(id);
    if (!entry) {
        return;
    }
    QAction* action = menu.addAction(ItemText(*entry));
    if (id == cmd::kFullScreen) {
        action->setIcon(QApplication::style()->standardIcon(QStyle::SP_TitleBarMaxButton));
    } else if (id == cmd::kReset) {
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
