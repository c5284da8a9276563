#pragma once

#include <cstdint>
#include <string>

#include "model/rect.h"

namespace velnor {

// Action buttons are model objects; their push-button windows belong to the windowing system.
// The core asks for them through this interface, keyed by the button's key (its control id).
// Keys repeat from page to page, so only the current page's buttons have windows at any time.
class IButtonWindows {
public:
    virtual ~IButtonWindows() = default;
    virtual void Create(uint16_t key, const std::string& caption, const CRect& rect) = 0;
    virtual void Destroy(uint16_t key) = 0;
    virtual void Show(uint16_t key, bool visible) = 0;
    virtual void Move(uint16_t key, const CRect& rect) = 0;
    virtual void SetCaption(uint16_t key, const std::string& caption) = 0;
};

// Installs the implementation the core reaches; nullptr makes every call do nothing.
IButtonWindows* SetButtonWindows(IButtonWindows* windows);

// The installed implementation, or one that does nothing.
IButtonWindows& ButtonWindows();

}  // namespace velnor
