#include "model/menu_item_seam.h"

namespace velnor {

namespace {

class NoMenuItems final : public IMenuItems {
public:
    void SetMenuItem(int, const std::string&, bool) override {}
};

NoMenuItems g_noMenuItems;
IMenuItems* g_items = nullptr;

}  // namespace

IMenuItems* SetMenuItems(IMenuItems* items) {
    IMenuItems* previous = g_items;
    g_items = items;
    return previous;
}

IMenuItems& MenuItems() {
    return g_items ? *g_items : g_noMenuItems;
}

}  // namespace velnor
