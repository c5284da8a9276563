#pragma once

#include <map>
#include <string>

#include "model/menu_item_seam.h"

namespace velnor::test {

// Keeps the last text and state of every menu item the core relabels.
class RecordingMenuItems final : public IMenuItems {
public:
    struct Item {
        std::string text;
        bool enabled = false;
    };

    RecordingMenuItems() : m_previous(SetMenuItems(this)) {}
    ~RecordingMenuItems() override { SetMenuItems(m_previous); }
    RecordingMenuItems(const RecordingMenuItems&) = delete;
    RecordingMenuItems& operator=(const RecordingMenuItems&) = delete;

    void SetMenuItem(int commandId, const std::string& text, bool enabled) override {
        items[commandId] = {text, enabled};
        ++calls;
    }

    std::map<int, Item> items;
    int calls = 0;

private:
    IMenuItems* m_previous;
};

}  // namespace velnor::test
