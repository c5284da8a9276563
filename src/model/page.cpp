#include "model/page.h"

#include <cmath>

#include "model/button_window.h"
#include "model/button_window_seam.h"
#include "model/color.h"
#include "model/gl_model.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr float kCoplanarTolerance = 0.001f;

// |det(p1 - p0, p2 - p0, p - p0)| in single precision, as the face test has always done it.
float TripleProduct(const Float3& p0, const Float3& p1, const Float3& p2, const Float3& p) {
    const float ax = p1[0] - p0[0], ay = p1[1] - p0[1], az = p1[2] - p0[2];
    const float bx = p2[0] - p0[0], by = p2[1] - p0[1], bz = p2[2] - p0[2];
    const float cx = p[0] - p0[0], cy = p[1] - p0[1], cz = p[2] - p0[2];
    const float nx = ay * bz - az * by;
    const float ny = az * bx - ax * bz;
    const float nz = ax * by - ay * bx;
    return nx * cx + ny * cy + nz * cz;
}

template <typename Cell>
uint16_t Insert(CellMap<Cell>& map, uint16_t& counter, std::unique_ptr<Cell> cell) {
    const uint16_t key = counter++;
    map[key] = std::move(cell);
    return key;
}

template <typename Cell>
void AppendKeys(const CellMap<Cell>& map, std::vector<int>& list, bool includeHidden) {
    list.clear();
    for (const auto& [key, cell] : map) {
        if (includeHidden || !cell->m_bHidden) {
            list.push_back(key);
        }
    }
}

}  // namespace

CRect ButtonRectForKey(uint16_t key) {
    const int32_t top = 30 * key - 90710;
    return {15, top, 95, top + 25};
}

std::string CGpage::NextLabel() {
    if (m_chNextLabel > 'Z') {
        m_chNextLabel = 'A';
        m_chLabelSuffix = m_chLabelSuffix == 0 ? '1' : static_cast<char>(m_chLabelSuffix + 1);
    }
    std::string label(1, m_chNextLabel);
    if (m_chLabelSuffix != 0) {
        label += m_chLabelSuffix;
    }
    ++m_chNextLabel;
    return label;
}

bool CGpage::AddVertex(float x, float y, float z) {
    if (m_nVertexCount >= kMaxVertices) {
        ShowMessage("本页顶点数已达界限,请新建一页");
        return false;
    }
    const int i = m_nVertexCount;
    m_pos[i] = {x, y, z};
    m_color[i] = ToFloats(SceneSettings().m_newPointColor);
    m_label[i] = NextLabel();
    m_bShown[i] = 1;
    m_selPoints.push_back(i);
    ++m_nVertexCount;
    return true;
}

void CGpage::RelabelSelected(const std::string& letter, const std::string& suffix) {
    m_chNextLabel = letter.empty() ? 0 : letter[0];
    m_chLabelSuffix = suffix.empty() ? 0 : suffix[0];
    for (int i : m_selPoints) {
        m_label[i] = std::string(1, m_chNextLabel) + suffix;
        ++m_chNextLabel;
    }
    RefreshNames();
}

void CGpage::SetSelectedColor(uint32_t colorRef) {
    const Float3 color = ToFloats(FromColorRef(colorRef));
    for (int i : m_selPoints) {
        m_color[i] = color;
    }
}

std::string CGpage::LineName(uint8_t start, uint8_t end) const {
    return m_label[start] + m_label[end];
}

std::string CGpage::FaceName(std::span<const uint8_t> verts, bool creating) const {
    // A new polygon shows five labels; once renamed it shows four. Both end in "...".
    const size_t shown = creating ? 5 : 4;
    std::string name;
    for (size_t i = 0; i < verts.size() && i < shown; ++i) {
        name += m_label[verts[i]];
    }
    if (verts.size() > 4) {
        name += "...";
    }
    return name;
}

uint16_t CGpage::AddLine(uint8_t start, uint8_t end, uint8_t kind) {
    auto line = std::make_unique<CLineCell>(start, end, kind);
    line->m_strName = LineName(start, end);
    return Insert(m_lines, m_nNextLineId, std::move(line));
}

uint16_t CGpage::AddLine(uint8_t start, uint8_t end) {
    return AddLine(start, end, SceneSettings().m_nLineKind);
}

std::optional<uint16_t> CGpage::AddFace(std::span<const int> indices) {
    const size_t count = indices.size();
    if (count < 3 || count > CFaceCell::kMaxVerts) {
        return std::nullopt;
    }
    std::vector<uint8_t> verts;
    verts.reserve(count);
    for (int index : indices) {
        verts.push_back(static_cast<uint8_t>(index & 0xFF));
    }
    for (size_t i = 3; i < count; ++i) {
        const float det =
            TripleProduct(m_pos[verts[0]], m_pos[verts[1]], m_pos[verts[2]], m_pos[verts[i]]);
        if (std::fabs(det) > kCoplanarTolerance) {
            return std::nullopt;
        }
    }
    std::unique_ptr<CFaceCell> face;
    if (count == 3) {
        face = std::make_unique<CFace3>(verts);
    } else if (count == 4) {
        face = std::make_unique<CFace4>(verts);
    } else {
        face = std::make_unique<CFacen>(verts);
    }
    face->m_strName = FaceName(verts, true);
    return Insert(m_faces, m_nNextFaceId, std::move(face));
}

std::optional<uint16_t> CGpage::AddFaceFromSelection() {
    if (m_selPoints.size() > CFaceCell::kMaxVerts) {
        return std::nullopt;
    }
    return AddFace(m_selPoints);
}

uint16_t CGpage::AddSolid(std::unique_ptr<CSubassembly> solid) {
    return Insert(m_solids, m_nNextSolidId, std::move(solid));
}

uint16_t CGpage::AddText(std::unique_ptr<CDTextCell> text) {
    return Insert(m_texts, m_nNextTextId, std::move(text));
}

uint16_t CGpage::AddButton(std::unique_ptr<CBtCmd> button) {
    button->m_nKey = m_nNextButtonId;
    button->m_rect = ButtonRectForKey(button->m_nKey);
    return Insert(m_buttons, m_nNextButtonId, std::move(button));
}

void CGpage::ClosePolygon() {
    const uint8_t kind = SceneSettings().m_nLineKind;
    for (size_t i = 1; i < m_selPoints.size(); ++i) {
        AddLine(static_cast<uint8_t>(m_selPoints[i - 1]), static_cast<uint8_t>(m_selPoints[i]),
                kind);
    }
    if (m_selPoints.size() >= 3) {
        AddLine(static_cast<uint8_t>(m_selPoints.back()), static_cast<uint8_t>(m_selPoints.front()),
                kind);
    }
    m_selPoints.clear();
}

void CGpage::RefreshNames() {
    for (auto& [key, line] : m_lines) {
        line->m_strName = LineName(line->m_nStart, line->m_nEnd);
    }
    for (auto& [key, face] : m_faces) {
        face->m_strName = FaceName(face->Verts(), false);
    }
}

std::vector<int>& CGpage::Selection(SelectionKind kind) {
    switch (kind) {
        case SelectionKind::kPoints:
            return m_selPoints;
        case SelectionKind::kLines:
            return m_selLines;
        case SelectionKind::kFaces:
            return m_selFaces;
        case SelectionKind::kSolids:
            return m_selSolids;
        case SelectionKind::kButtons:
            return m_selButtons;
        case SelectionKind::kTexts:
            return m_selTexts;
    }
    return m_selPoints;
}

const std::vector<int>& CGpage::Selection(SelectionKind kind) const {
    return const_cast<CGpage*>(this)->Selection(kind);
}

void CGpage::SelectAllOfKind(SelectionKind kind) {
    switch (kind) {
        case SelectionKind::kPoints:
            m_selPoints.clear();
            for (int i = 0; i < m_nVertexCount; ++i) {
                if (m_bShown[i] == 1) {
                    m_selPoints.push_back(i);
                }
            }
            break;
        case SelectionKind::kLines:
            AppendKeys(m_lines, m_selLines, false);
            break;
        case SelectionKind::kFaces:
            AppendKeys(m_faces, m_selFaces, false);
            break;
        case SelectionKind::kSolids:
            AppendKeys(m_solids, m_selSolids, false);
            break;
        case SelectionKind::kButtons:
            m_selButtons.clear();
            for (const auto& [key, button] : m_buttons) {
                if (!button->m_bHidden) {
                    m_selButtons.push_back(key);
                }
            }
            break;
        case SelectionKind::kTexts:
            AppendKeys(m_texts, m_selTexts, false);
            break;
    }
}

void CGpage::SelectEverything() {
    m_selPoints.clear();
    for (int i = 0; i < m_nVertexCount; ++i) {
        m_selPoints.push_back(i);
    }
    AppendKeys(m_lines, m_selLines, true);
    AppendKeys(m_faces, m_selFaces, true);
    AppendKeys(m_solids, m_selSolids, true);
    m_selButtons.clear();
    for (const auto& [key, button] : m_buttons) {
        m_selButtons.push_back(key);
    }
    AppendKeys(m_texts, m_selTexts, true);
}

void CGpage::ClearSelection() {
    m_selPoints.clear();
    m_selLines.clear();
    m_selFaces.clear();
    m_selSolids.clear();
    m_selButtons.clear();
    m_selTexts.clear();
}

bool CGpage::HasSelection() const {
    return !m_selPoints.empty() || !m_selLines.empty() || !m_selFaces.empty() ||
           !m_selSolids.empty() || !m_selButtons.empty() || !m_selTexts.empty();
}

void CGpage::Clear() {
    m_lines.clear();
    m_faces.clear();
    m_solids.clear();
    m_buttons.clear();
    m_texts.clear();
    m_nVertexCount = 0;
    m_chNextLabel = 'A';
    m_nNextLineId = 1;
    m_nNextFaceId = 1;
    m_nNextSolidId = 1;
    m_nNextTextId = 1;
    ClearSelection();
}

void CGpage::ShowButtonWindows(bool show) const {
    for (const auto& [key, button] : m_buttons) {
        if (!button->m_bHidden) {
            ButtonWindows().Show(key, show);
        }
    }
}

void CGpage::CreateButtonWindows(bool visible) const {
    for (const auto& [key, button] : m_buttons) {
        CreateButtonWindow(*button, visible);
    }
}

void CGpage::DestroyButtonWindows() const {
    for (const auto& [key, button] : m_buttons) {
        DestroyButtonWindow(*button);
    }
}

std::optional<Float3> CGpage::TranslationFromSelection() const {
    auto difference = [this](int from, int to) {
        const Float3 a = m_pos[from], b = m_pos[to];
        return Float3{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    };
    if (m_selPoints.size() == 2 && m_selLines.empty()) {
        return difference(m_selPoints[0], m_selPoints[1]);
    }
    if (m_selPoints.empty() && m_selLines.size() == 1) {
        const auto it = m_lines.find(static_cast<uint16_t>(m_selLines[0]));
        if (it != m_lines.end()) {
            return difference(it->second->m_nStart, it->second->m_nEnd);
        }
    }
    return std::nullopt;
}

std::optional<Axis> CGpage::AxisFromSelection() const {
    if (!m_selPoints.empty() || m_selLines.size() != 1 || !m_selFaces.empty()) {
        return std::nullopt;
    }
    const auto it = m_lines.find(static_cast<uint16_t>(m_selLines[0]));
    if (it == m_lines.end()) {
        return std::nullopt;
    }
    const Float3 a = m_pos[it->second->m_nStart], b = m_pos[it->second->m_nEnd];
    const Float3 d{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (length == 0.0f) {
        return std::nullopt;
    }
    return Axis{a, {d[0] / length, d[1] / length, d[2] / length}};
}

}  // namespace velnor
