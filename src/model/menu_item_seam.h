#pragma once

#include <string>

namespace velnor {

// The Undo and Redo items of the Edit menu. The desktop program relabels its menu items; tests
// record the calls.
class IMenuItems {
public:
    virtual ~IMenuItems() = default;
    // Replaces the text of the item with that command id, keeping its other state, and enables
    // or greys it.
    virtual void SetMenuItem(int commandId, const std::string& text, bool enabled) = 0;
};

// Installs the implementation the core reaches; nullptr makes every call do nothing.
IMenuItems* SetMenuItems(IMenuItems* items);

// The installed implementation, or one that does nothing.
IMenuItems& MenuItems();

}  // namespace velnor
