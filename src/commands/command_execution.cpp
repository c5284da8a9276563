#include "commands/command_execution.h"

#include <algorithm>

#include "commands/command_error.h"
#include "commands/window_commands_seam.h"

namespace velnor {

namespace {

void CheckParamNames(const CommandEntry& entry, const CommandParams& params) {
    for (const std::string& name : params.Names()) {
        if (std::find(entry.params.begin(), entry.params.end(), name) == entry.params.end()) {
            throw CommandError(entry.text + " takes no parameter " + name);
        }
    }
}

}  // namespace

bool IsCommandEnabled(const CommandEntry& entry, const CPlomDoc& doc) {
    if (entry.owner != CommandOwner::kDocument) {
        const IWindowCommands* windows = WindowCommands();
        return windows == nullptr || windows->IsEnabled(entry.id);
    }
    return !entry.enabled || entry.enabled(doc);
}

bool IsCommandChecked(const CommandEntry& entry, const CPlomDoc& doc) {
    if (entry.owner != CommandOwner::kDocument) {
        const IWindowCommands* windows = WindowCommands();
        return windows != nullptr && windows->IsChecked(entry.id);
    }
    if (entry.checked) {
        return entry.checked(doc);
    }
    // A construction whose mouse tool takes over when nothing is selected (中点, 线段, 面) shows
    // that tool's check mark.
    const IWindowCommands* windows = WindowCommands();
    return windows != nullptr && windows->IsChecked(entry.id);
}

std::string RefusalOf(const CommandEntry& entry, const CPlomDoc& doc, const CommandParams& params) {
    if (!entry.check) {
        return {};
    }
    try {
        return entry.check(doc, params);
    } catch (const CommandError& error) {
        return error.what();
    }
}

ExecuteResult ExecuteCommand(const CommandEntry& entry, CPlomDoc& doc,
                             const CommandParams& params) {
    CheckParamNames(entry, params);
    // Values first: a bad value stops a script alike whether or not the command is available.
    if (const std::string refusal = RefusalOf(entry, doc, params); !refusal.empty()) {
        throw CommandError(refusal);
    }
    IWindowCommands* windows = WindowCommands();
    if (entry.owner != CommandOwner::kDocument) {
        if (windows == nullptr) {
            return ExecuteResult::kWindowsOnly;
        }
        if (!windows->IsEnabled(entry.id)) {
            return ExecuteResult::kDisabled;
        }
        windows->Run(entry.id, params);
        return ExecuteResult::kDone;
    }
    if (!IsCommandEnabled(entry, doc)) {
        return ExecuteResult::kDisabled;
    }
    switch (entry.run(doc, params)) {
        case CommandOutcome::kDone:
            return ExecuteResult::kDone;
        case CommandOutcome::kNeedsDialog:
            return ExecuteResult::kNeedsDialog;
        case CommandOutcome::kViewTakesOver:
            if (windows != nullptr) {
                windows->Run(entry.id, {});
            }
            return ExecuteResult::kViewTakesOver;
    }
    return ExecuteResult::kDone;
}

}  // namespace velnor
