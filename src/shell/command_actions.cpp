#include "shell/command_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <array>
#include <exception>

#include "commands/command_error.h"
#include "commands/command_execution.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/window_commands_seam.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "shell/command_icons.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/image_menu.h"
#include "shell/key_sequences.h"

namespace velnor {

namespace {

// Embedded objects need a service this platform does not have: their items stay greyed and
// their prompts say why.
constexpr std::array kEmbeddedObjectIds{cmd::kLinks, cmd::kInsertObject, cmd::kObjectProperties};

QString Prompt(const CommandEntry& entry) {
    const QString prompt = QString::fromStdString(entry.prompt);
    if (std::find(kEmbeddedObjectIds.begin(), kEmbeddedObjectIds.end(), entry.id) ==
        kEmbeddedObjectIds.end()) {
        return prompt;
    }
    return (prompt.isEmpty() ? QString::fromStdString(entry.text) : prompt) +
           QStringLiteral("（本平台不提供嵌入对象服务）");
}

// The processor writes MFC item texts, with the accelerator after a tab; Qt shows the shortcut
// itself, so only the part before the tab stays.
QString ItemText(const std::string& text) {
    return QString::fromStdString(text.substr(0, text.find('\t')));
}

}  // namespace

CommandActions::CommandActions(CPlomDoc& doc, QMainWindow& window)
    : QObject(&window), m_doc(doc), m_parent(&window) {
    BuildMenus(window);
    m_doc.CommandProcessor().SetMenuTarget(this, cmd::kUndo, cmd::kRedo);
    m_doc.CommandProcessor().UpdateMenu();
}

CommandActions::~CommandActions() {
    if (m_doc.CommandProcessor().GetMenuTarget() == this) {
        m_doc.CommandProcessor().SetMenuTarget(nullptr, cmd::kUndo, cmd::kRedo);
    }
}

void CommandActions::BuildMenus(QMainWindow& window) {
    for (const CommandEntry& entry : CommandTable()) {
        if (IsPlaceholder(entry)) {
            continue;
        }
        auto* action =
            new QAction(CommandIcon(entry.id), QString::fromStdString(entry.text), &window);
        action->setShortcuts(KeySequences(entry.keys));
        action->setStatusTip(Prompt(entry));
        action->setToolTip(QString::fromStdString(entry.text));
        action->setCheckable(entry.checked != nullptr);
        const int id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        MenuFor(window, entry.menu)->addAction(action);
        window.addAction(action);
        m_actions.emplace(entry.id, action);
    }
}

QMenu* CommandActions::MenuFor(QMainWindow& window, const std::string& path) {
    const QString key = QString::fromStdString(path);
    if (QMenu* menu = Menu(key)) {
        return menu;
    }
    const qsizetype slash = key.lastIndexOf('/');
    QMenu* menu = nullptr;
    if (slash < 0) {
        menu = window.menuBar()->addMenu(key);
    } else {
        menu = MenuFor(window, key.left(slash).toStdString())->addMenu(key.mid(slash + 1));
    }
    menu->setObjectName(key);
    connect(menu, &QMenu::aboutToShow, this, &CommandActions::UpdateStates);
    m_menus.emplace(key, menu);
    return menu;
}

QAction* CommandActions::Action(int id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QMenu* CommandActions::Menu(const QString& path) const {
    const auto found = m_menus.find(path);
    return found == m_menus.end() ? nullptr : found->second;
}

void CommandActions::Run(int id) {
    if (const CommandEntry* entry = FindCommand(id)) {
        Run(*entry, {});
    }
}

void CommandActions::Run(const CommandEntry& entry, const CommandParams& params) {
    if (m_viewFirst && m_viewFirst->RunInsteadOfDocument(entry.id)) {
        UpdateStates();
        emit CommandRan();
        return;
    }
    CommandParams values = params;
    if (entry.dialogFirst && values.Empty() && HasValuesDialog(entry.id) &&
        IsCommandEnabled(entry, m_doc) && !AskForValues(entry, values)) {
        return;
    }
    for (;;) {
        try {
            const ExecuteResult result = ExecuteCommand(entry, m_doc, values);
            if (result != ExecuteResult::kNeedsDialog || !AskForValues(entry, values)) {
                break;
            }
        } catch (const std::exception& error) {
            // A value that does not read as its kind: say so and let the user correct it.
            ShowMessage(error.what());
            if (!HasValuesDialog(entry.id) || !AskForValues(entry, values)) {
                break;
            }
        }
    }
    UpdateStates();
    emit CommandRan();
}

void CommandActions::RunWindowCommand(int id) {
    if (IWindowCommands* windows = WindowCommands()) {
        windows->Run(id, {});
    }
    UpdateStates();
    emit CommandRan();
}

bool CommandActions::AskForValues(const CommandEntry& entry, CommandParams& values) {
    return velnor::AskForValues(entry, m_doc, values, m_parent);
}

void CommandActions::UpdateStates() {
    for (const auto& [id, action] : m_actions) {
        const CommandEntry* entry = FindCommand(id);
        // A document command whose operation this build lacks stays greyed.
        const bool available = entry->owner != CommandOwner::kDocument || entry->run != nullptr;
        const std::optional<bool> byView =
            m_viewFirst ? m_viewFirst->EnabledInsteadOfDocument(id) : std::nullopt;
        action->setEnabled(byView.value_or(available && IsCommandEnabled(*entry, m_doc)));
        // Window commands say whether they are checked only through their state.
        const bool checked = IsCommandChecked(*entry, m_doc);
        if (checked) {
            action->setCheckable(true);
        }
        if (action->isCheckable()) {
            action->setChecked(checked);
        }
    }
}

void CommandActions::SetMenuItem(int commandId, const std::string& text, bool enabled) {
    if (QAction* action = Action(commandId)) {
        action->setText(ItemText(text));
        action->setEnabled(enabled);
    }
}

}  // namespace velnor
