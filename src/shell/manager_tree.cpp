#include "shell/manager_tree.h"

#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "editing/page_operations.h"
#include "editing/pick_hits.h"
#include "model/document.h"
#include "model/document_seam.h"

namespace velnor {

namespace {

constexpr uint32_t kPageFactor = 10000;

struct GroupKind {
    const char* title;
    uint32_t offset;  // of the group item; a child adds its key
};

// Kinds 1..4, as the refresh hints number them.
constexpr std::array<GroupKind, 4> kGroups = {{
    {"点", 1000},
    {"线", 3000},
    {"面", 5000},
    {"组件", 7000},
}};

// The cell an item under a page stands for; nothing for the page and group items.
std::optional<PickHit> CellOfCode(uint32_t rest) {
    if (rest > 1000 && rest < 3000) {
        return PickHit{kPickVertices, static_cast<int>(rest - 1001)};
    }
    const std::array<std::pair<uint32_t, int>, 3> keyed{
        {{3000, kPickLines}, {5000, kPickFaces}, {7000, kPickSolids}}};
    for (auto it = keyed.rbegin(); it != keyed.rend(); ++it) {
        if (rest > it->first) {
            return PickHit{it->second, static_cast<int>(rest - it->first)};
        }
        if (rest == it->first) {
            break;
        }
    }
    return std::nullopt;
}

bool IsSelected(const CGpage& page, const PickHit& cell) {
    const std::vector<int>& selected = cell.group == kPickVertices ? page.m_selPoints
                                       : cell.group == kPickLines  ? page.m_selLines
                                       : cell.group == kPickFaces  ? page.m_selFaces
                                                                   : page.m_selSolids;
    return std::find(selected.begin(), selected.end(), cell.item) != selected.end();
}

QTreeWidgetItem* NewItem(QTreeWidgetItem& parent, const std::string& text, uint32_t code,
                         bool editable) {
    auto* item = new QTreeWidgetItem(&parent, QStringList{QString::fromStdString(text)});
    item->setData(0, ManagerTree::kCodeRole, code);
    if (editable) {
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    return item;
}

template <typename Map>
void AddCells(QTreeWidgetItem& group, const Map& cells, uint32_t base) {
    for (const auto& [key, cell] : cells) {
        NewItem(group, cell->m_strName, base + key, true);
    }
}

}  // namespace

ManagerTree::ManagerTree(CPlomDoc& doc, QWidget* parent) : QTreeWidget(parent), m_doc(doc) {
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeWidget::itemChanged, this, &ManagerTree::OnItemChanged);
    connect(this, &QTreeWidget::itemClicked, this, &ManagerTree::OnItemChosen);
}

void ManagerTree::Rebuild() {
    const QSignalBlocker blocker(this);
    clear();
    auto* root = new QTreeWidgetItem(this, QStringList{QStringLiteral("3D图形")});
    root->setData(0, kCodeRole, 0u);
    for (const auto& page : m_doc.m_pages) {
        AddPage(*root, *page);
    }
    root->setExpanded(true);
    ShowCurrentPage();
}

void ManagerTree::ShowCurrentPage() {
    const QSignalBlocker blocker(this);
    const uint32_t currentCode = m_doc.CurrentPage().m_nId * kPageFactor;
    QTreeWidgetItem* root = topLevelItem(0);
    for (int i = 0; root != nullptr && i < root->childCount(); ++i) {
        QTreeWidgetItem* page = root->child(i);
        QFont font = page->font(0);
        font.setBold(page->data(0, kCodeRole).toUInt() == currentCode);
        page->setFont(0, font);
    }
    // The current page opens too, so that its points and lines are in sight.
    if (QTreeWidgetItem* current = FindItem(currentCode)) {
        current->setExpanded(true);
        setCurrentItem(current);
    }
}

void ManagerTree::ShowSelection() {
    const QSignalBlocker blocker(this);
    clearSelection();
    const CGpage& page = m_doc.CurrentPage();
    QTreeWidgetItem* pageItem = FindItem(page.m_nId * kPageFactor);
    for (int g = 0; pageItem != nullptr && g < pageItem->childCount(); ++g) {
        QTreeWidgetItem* group = pageItem->child(g);
        for (int c = 0; c < group->childCount(); ++c) {
            QTreeWidgetItem* item = group->child(c);
            const auto cell = CellOfCode(item->data(0, kCodeRole).toUInt() % kPageFactor);
            const bool selected = cell && IsSelected(page, *cell);
            item->setSelected(selected);
            // A highlight inside a closed group would not be seen.
            if (selected) {
                group->setExpanded(true);
            }
        }
    }
}

void ManagerTree::RebuildBranch(int hint) {
    if (hint < 0 || hint > 4) {
        return;
    }
    const CGpage& page = m_doc.CurrentPage();
    const uint32_t pageCode = page.m_nId * kPageFactor;
    if (FindItem(pageCode) == nullptr) {
        Rebuild();
        return;
    }
    const QSignalBlocker blocker(this);
    for (int kind = 1; kind <= 4; ++kind) {
        if (hint != 0 && hint != kind) {
            continue;
        }
        if (QTreeWidgetItem* group = FindItem(pageCode + kGroups[kind - 1].offset)) {
            qDeleteAll(group->takeChildren());
            FillGroup(*group, page, kind);
        }
    }
}

QTreeWidgetItem* ManagerTree::FindItem(uint32_t code) const {
    for (QTreeWidgetItemIterator it(const_cast<ManagerTree*>(this)); *it; ++it) {
        if ((*it)->data(0, kCodeRole).toUInt() == code && (*it)->parent() != nullptr) {
            return *it;
        }
    }
    return nullptr;
}

void ManagerTree::AddPage(QTreeWidgetItem& root, const CGpage& page) {
    const uint32_t pageCode = page.m_nId * kPageFactor;
    QTreeWidgetItem* pageItem = NewItem(root, page.m_strName, pageCode, true);
    for (int kind = 1; kind <= 4; ++kind) {
        const GroupKind& group = kGroups[kind - 1];
        QTreeWidgetItem* groupItem =
            NewItem(*pageItem, group.title, pageCode + group.offset, false);
        FillGroup(*groupItem, page, kind);
    }
}

void ManagerTree::FillGroup(QTreeWidgetItem& group, const CGpage& page, int kind) {
    const uint32_t base = page.m_nId * kPageFactor + kGroups[kind - 1].offset;
    switch (kind) {
        case 1:
            for (int index = 0; index < page.m_nVertexCount; ++index) {
                NewItem(group, page.m_label[index], base + 1 + index, true);
            }
            break;
        case 2:
            AddCells(group, page.m_lines, base);
            break;
        case 3:
            AddCells(group, page.m_faces, base);
            break;
        default:
            AddCells(group, page.m_solids, base);
            break;
    }
}

void ManagerTree::OnItemChosen(QTreeWidgetItem* item) {
    if (item == nullptr || item->parent() == nullptr) {
        return;
    }
    // Switching pages may rebuild this very tree, so the choice runs after the item is let go.
    const uint32_t code = item->data(0, kCodeRole).toUInt();
    QTimer::singleShot(0, this, [this, code] { Choose(code); });
}

void ManagerTree::Choose(uint32_t code) {
    const uint32_t pageId = code / kPageFactor;
    int position = 1;
    for (const auto& page : m_doc.m_pages) {
        if (page->m_nId == pageId) {
            break;
        }
        ++position;
    }
    if (position > static_cast<int>(m_doc.m_pages.size())) {
        return;
    }
    if (m_doc.CurrentPage().m_nId != pageId && SwitchToPage(m_doc, position)) {
        emit PageSwitched();
    }
    if (const std::optional<PickHit> hit = CellOfCode(code % kPageFactor)) {
        ToggleSelectionByHits(m_doc.CurrentPage(), {*hit});
    }
    DocumentViews().Redraw();
}

void ManagerTree::OnItemChanged(QTreeWidgetItem* item, int column) {
    if (column != 0) {
        return;
    }
    const uint32_t code = item->data(0, kCodeRole).toUInt();
    const std::string name = item->text(0).toStdString();
    // Renaming may rebuild this very tree (a new vertex label renames lines and faces), so it runs
    // after the edited item has been let go.
    QTimer::singleShot(0, this, [this, code, name] { m_doc.RenameFromTree(code, name); });
}

}  // namespace velnor
