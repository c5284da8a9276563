#pragma once

#include <QObject>

#include <map>

#include "commands/command_entry.h"
#include "model/menu_item_seam.h"

class QAction;
class QMainWindow;
class QMenu;

namespace velnor {

class CPlomDoc;
class ImageMenu;

// The menus of the main window, built from the command table: one action per command with its
// text, keys and status-bar prompt, enabled and checked by the command's rules. Choosing an item
// runs the command through the table; a command that needs values opens its dialog first.
class CommandActions : public QObject, public IMenuItems {
    Q_OBJECT

public:
    CommandActions(CPlomDoc& doc, QMainWindow& window);
    ~CommandActions() override;

    // The action of a command id, or null.
    QAction* Action(int id) const;
    QMenu* Menu(const QString& path) const;

    // Runs a command as its menu item does.
    void Run(int id);
    // Runs it with dialog values (or with none); opens the dialog when the command asks for it.
    void Run(const CommandEntry& entry, const CommandParams& params);

    // A view or shell command that has keys or a button but no menu item.
    void RunWindowCommand(int id);

    // Enabled and checked states from the rules, as the framework asks before a menu opens.
    void UpdateStates();

    // The view's image commands, which take 复制, 粘贴 and 清除 from the document while a screen
    // region is selected or the clipboard holds a bitmap.
    void SetViewFirst(ImageMenu* images) { m_viewFirst = images; }

    // The command processor relabels Undo and Redo.
    void SetMenuItem(int commandId, const std::string& text, bool enabled) override;

signals:
    // After a command ran from a menu, a toolbar or a key.
    void CommandRan();

private:
    void BuildMenus(QMainWindow& window);
    QMenu* MenuFor(QMainWindow& window, const std::string& path);
    bool AskForValues(const CommandEntry& entry, CommandParams& values);

    CPlomDoc& m_doc;
    QWidget* m_parent;
    std::map<int, QAction*> m_actions;
    std::map<QString, QMenu*> m_menus;
    ImageMenu* m_viewFirst = nullptr;
};

}  // namespace velnor
