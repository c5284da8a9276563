#pragma once

#include <QTreeWidget>

#include <cstdint>

namespace velnor {

class CGpage;
class CPlomDoc;

// The 目录 tab of the manager: "3D图形", one item per page, and under each page the groups 点, 线,
// 面 and 组件 with the labels and names of that page's cells. Every item carries its code (page
// id * 10000 + 1000 for 点 and 1001 + index for a vertex, 3000 + key for lines, 5000 + key for
// faces, 7000 + key for solids); editing an item's text renames what it stands for. The current
// page's item is shown current; choosing an item of another page switches to that page (undoable,
// as 上一页 and 下一页), and choosing a cell's item selects it as a click in the view would.
class ManagerTree : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kCodeRole = Qt::UserRole;

    explicit ManagerTree(CPlomDoc& doc, QWidget* parent = nullptr);

    // All pages.
    void Rebuild();
    // One group of the current page by the refresh hint (0 all four, 1 vertices, 2 lines, 3 faces,
    // 4 solids); others change nothing.
    void RebuildBranch(int hint);

    // Marks the current page's item (after a page switch or a rebuild).
    void ShowCurrentPage();
    // Highlights the items of the current page's selected cells, and no others, opening the groups
    // that hold them.
    void ShowSelection();

    // The item with that code, or null.
    QTreeWidgetItem* FindItem(uint32_t code) const;

signals:
    // Choosing an item made another page current.
    void PageSwitched();

private:
    void AddPage(QTreeWidgetItem& root, const CGpage& page);
    void FillGroup(QTreeWidgetItem& group, const CGpage& page, int kind);
    void OnItemChanged(QTreeWidgetItem* item, int column);
    void OnItemChosen(QTreeWidgetItem* item);
    void Choose(uint32_t code);

    CPlomDoc& m_doc;
};

}  // namespace velnor
