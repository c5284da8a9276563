#pragma once

#include <QMenu>

#include <functional>
#include <memory>

namespace velnor {

class CPlomDoc;

// The view's popup menu, built from the command table by id: 全屏; 启动/停止, 复位; 控制条,
// 坐标轴; 点选图元, 锁定选择; 三视图, the 投影类型 submenu, 光滑着色; 上一页, 下一页. Texts, check
// marks and enabling are those of the menus (without a document every item is enabled).
// Choosing an item calls `run` with its id.
std::unique_ptr<QMenu> BuildViewPopupMenu(QWidget* parent, const CPlomDoc* doc,
                                          const std::function<void(int)>& run);

}  // namespace velnor
