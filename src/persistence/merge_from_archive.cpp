#include "persistence/merge_from_archive.h"

#include <array>
#include <map>
#include <numeric>
#include <set>
#include <string>

#include "model/button_window_seam.h"
#include "model/message_seam.h"
#include "persistence/archive_error.h"

namespace velnor {

namespace {

constexpr int kMaxVerticesAfterPaste = 199;

using KeyMap = std::map<int, int>;

class VertexMap {
public:
    VertexMap() { std::iota(m_map.begin(), m_map.end(), 0); }
    void Set(int source, int target) { m_map[source] = target; }
    int operator()(int index) const {
        return index >= 0 && index < CGpage::kMaxVertices ? m_map[index] : index;
    }

private:
    std::array<int, CGpage::kMaxVertices> m_map{};
};

int Renumber(const KeyMap& keys, int key) {
    const auto it = keys.find(key);
    return it == keys.end() ? key : it->second;
}

void RenumberAll(std::vector<int>& values, const auto& map) {
    for (int& value : values) {
        value = map(value);
    }
}

void RequireVertex(int index, int vertexCount) {
    if (index < 0 || index >= vertexCount) {
        throw ArchiveError("粘贴的图元引用了顶点 " + std::to_string(index) + "，而本页只有 " +
                           std::to_string(vertexCount) + " 个顶点");
    }
}

// Checks, before anything changes, that every pasted cell names a vertex the page will have.
void CheckVertexIndices(const ClipboardSelection& selection, const VertexMap& map,
                        int vertexCount) {
    for (const auto& button : selection.buttons) {
        for (int index : button->m_targetVerts) {
            RequireVertex(map(index), vertexCount);
        }
    }
    for (const auto& [key, line] : selection.lines) {
        RequireVertex(map(line->m_nStart), vertexCount);
        RequireVertex(map(line->m_nEnd), vertexCount);
    }
    for (const auto& [key, face] : selection.faces) {
        for (uint8_t index : face->Verts()) {
            RequireVertex(map(index), vertexCount);
        }
    }
    for (const auto& text : selection.texts) {
        for (uint8_t index : text->Verts()) {
            RequireVertex(map(index), vertexCount);
        }
    }
}

template <typename Entries>
std::set<int> SourceKeys(const Entries& entries) {
    std::set<int> keys;
    for (const auto& entry : entries) {
        keys.insert(entry.sourceKey);
    }
    return keys;
}

// A key a pasted button names must come with it, or be on the page already (it then keeps its
// value, as a vertex index does).
template <typename Cell>
void RequireKeys(const std::vector<int>& keys, const std::set<int>& pasted,
                 const CellMap<Cell>& onPage, const CBtCmd& button, const char* what) {
    for (int key : keys) {
        const bool onPageNow =
            key >= 0 && key <= UINT16_MAX && onPage.contains(static_cast<uint16_t>(key));
        if (!pasted.contains(key) && !onPageNow) {
            throw ArchiveError("粘贴的操作按钮 " + std::to_string(button.m_nKey) +
                               " 引用了不存在的" + what + " " + std::to_string(key));
        }
    }
}

// Checks, before anything changes, that every line, face, solid and member button that a pasted
// button names will be there.
void CheckButtonReferences(const ClipboardSelection& selection, const CGpage& page) {
    const std::set<int> lines = SourceKeys(selection.lines);
    const std::set<int> faces = SourceKeys(selection.faces);
    const std::set<int> solids = SourceKeys(selection.solids);
    std::set<int> buttons;
    for (const auto& button : selection.buttons) {
        buttons.insert(button->m_nKey);
    }
    for (const auto& button : selection.buttons) {
        RequireKeys(button->m_targetLines, lines, page.m_lines, *button, "线");
        RequireKeys(button->m_targetFaces, faces, page.m_faces, *button, "面");
        RequireKeys(button->m_targetSolids, solids, page.m_solids, *button, "组件");
        if (const std::vector<int>* members = SeriesMembers(*button)) {
            RequireKeys(*members, buttons, page.m_buttons, *button, "操作按钮");
        }
    }
}

// Stores each cell under the page's next free key (`add`), which the caller has made sure exist.
template <typename Cell>
KeyMap PasteCells(std::vector<ClipboardCell<Cell>>& entries, std::vector<int>& selection, auto add,
                  auto prepare) {
    KeyMap keys;
    for (auto& [sourceKey, cell] : entries) {
        prepare(*cell);
        const uint16_t key = add(std::move(cell));
        keys[sourceKey] = key;
        selection.push_back(key);
    }
    return keys;
}

AddedCells CellsOf(const ClipboardSelection& selection) {
    return {.lines = static_cast<int>(selection.lines.size()),
            .faces = static_cast<int>(selection.faces.size()),
            .solids = static_cast<int>(selection.solids.size()),
            .buttons = static_cast<int>(selection.buttons.size()),
            .texts = static_cast<int>(selection.texts.size())};
}

}  // namespace

bool MergeFromArchive(CGpage& page, ClipboardSelection selection) {
    const int firstNew = page.m_nVertexCount;
    const int pasted = static_cast<int>(selection.vertices.size());
    if (firstNew + pasted > kMaxVerticesAfterPaste) {
        page.ClearSelection();
        ShowMessage("不能完成粘贴,因为本页顶点数已达界限,请新建一页");
        return false;
    }
    if (!page.HasKeysFor(CellsOf(selection))) {
        page.ClearSelection();
        ShowMessage(std::string("不能完成粘贴,因为") + kPageFullMessage);
        return false;
    }
    VertexMap vertexMap;
    for (int i = 0; i < pasted; ++i) {
        vertexMap.Set(selection.vertices[i].sourceIndex, firstNew + i);
    }
    CheckVertexIndices(selection, vertexMap, firstNew + pasted);
    CheckButtonReferences(selection, page);
    page.ClearSelection();

    for (const ClipboardVertex& vertex : selection.vertices) {
        const int index = page.m_nVertexCount++;
        page.m_pos[index] = vertex.position;
        page.m_color[index] = vertex.color;
        page.m_label[index] = vertex.label;
        page.m_bShown[index] = vertex.shown;
        page.m_selPoints.push_back(index);
    }

    KeyMap buttonKeys;
    std::vector<CBtCmd*> buttons;
    for (auto& button : selection.buttons) {
        const uint16_t sourceKey = button->m_nKey;
        const CRect read = button->m_rect;
        RenumberAll(button->m_targetVerts, vertexMap);
        CBtCmd& pasted = *button;
        const uint16_t key = page.AddButton(std::move(button));
        buttonKeys[sourceKey] = key;
        // The key decides the height; the sides stay where they were copied from.
        pasted.m_rect.left = read.left;
        pasted.m_rect.right = read.right;
        buttons.push_back(&pasted);
        ButtonWindows().Create(key, pasted.WindowCaption(), pasted.m_rect);
        if (!pasted.m_bHidden) {
            ButtonWindows().Show(key, true);
        }
        page.m_selButtons.push_back(key);
    }
    const auto byKey = [](const KeyMap& keys) {
        return [&keys](int key) { return Renumber(keys, key); };
    };
    for (CBtCmd* button : buttons) {
        if (std::vector<int>* members = SeriesMembers(*button)) {
            RenumberAll(*members, byKey(buttonKeys));
        }
    }

    const KeyMap lineKeys = PasteCells(
        selection.lines, page.m_selLines,
        [&](std::unique_ptr<CLineCell> line) { return page.AddLine(std::move(line)); },
        [&](CLineCell& line) {
            line.m_nStart = static_cast<uint8_t>(vertexMap(line.m_nStart));
            line.m_nEnd = static_cast<uint8_t>(vertexMap(line.m_nEnd));
        });
    const KeyMap faceKeys = PasteCells(
        selection.faces, page.m_selFaces,
        [&](std::unique_ptr<CFaceCell> face) { return page.AddFace(std::move(face)); },
        [&](CFaceCell& face) {
            for (uint8_t i = 0; i < face.m_nVerts; ++i) {
                face.m_pVerts[i] = static_cast<uint8_t>(vertexMap(face.m_pVerts[i]));
            }
        });
    const KeyMap solidKeys = PasteCells(
        selection.solids, page.m_selSolids,
        [&](std::unique_ptr<CSubassembly> solid) { return page.AddSolid(std::move(solid)); },
        [](CSubassembly&) {});
    for (CBtCmd* button : buttons) {
        RenumberAll(button->m_targetLines, byKey(lineKeys));
        RenumberAll(button->m_targetFaces, byKey(faceKeys));
        RenumberAll(button->m_targetSolids, byKey(solidKeys));
    }

    for (auto& text : selection.texts) {
        for (uint32_t i = 0; i < text->m_nVertCount; ++i) {
            text->m_verts[i] = static_cast<uint8_t>(vertexMap(text->m_verts[i]));
        }
        page.m_selTexts.push_back(page.AddText(std::move(text)));
    }
    return true;
}

}  // namespace velnor
