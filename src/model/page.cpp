#include "model/page.h"

#include <algorithm>
#include <cmath>

#include "model/button_window.h"
#include "model/button_window_seam.h"
#include "model/color.h"
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

Float3 Difference(const Float3& a, const Float3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

float SquaredLength(const Float3& v) {
    return v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
}

// On one line within rounding: the sine of the angle at P0 is under 1e-5.
bool AreCollinear(const Float3& p0, const Float3& p1, const Float3& p2) {
    const Float3 u = Difference(p1, p0);
    const Float3 v = Difference(p2, p0);
    const Float3 n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    constexpr float kSine = 1e-5f;
    return SquaredLength(n) <= kSine * kSine * SquaredLength(u) * SquaredLength(v);
}

template <typename Cell>
uint16_t Insert(CellMap<Cell>& map, uint16_t& counter, uint16_t first, CKeyGrants& grants,
                std::unique_ptr<Cell> cell) {
    const std::optional<uint16_t> key = FreeKey(map, counter, first);
    if (!key) {
        ShowMessage(kPageFullMessage);
        return 0;
    }
    grants.Add({*key, counter});
    counter = static_cast<uint16_t>(*key + 1);
    map[*key] = std::move(cell);
    return *key;
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
    m_color[i] = ToFloats(Settings().m_newPointColor);
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

std::optional<std::array<uint8_t, 3>> CGpage::PlaneVertices(std::span<const uint8_t> verts) const {
    const size_t n = verts.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            for (size_t k = j + 1; k < n; ++k) {
                if (!AreCollinear(m_pos[verts[i]], m_pos[verts[j]], m_pos[verts[k]])) {
                    return std::array{verts[i], verts[j], verts[k]};
                }
            }
        }
    }
    return std::nullopt;
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
    return AddLine(std::move(line));
}

uint16_t CGpage::AddLine(std::unique_ptr<CLineCell> line) {
    return Insert(m_lines, m_nNextLineId, 1, m_lineGrants, std::move(line));
}

uint16_t CGpage::AddLine(uint8_t start, uint8_t end) {
    return AddLine(start, end, Settings().m_nLineKind);
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
    // Vertices all on one line have no plane to leave.
    if (const auto plane = PlaneVertices(verts); plane && count > 3) {
        const auto [a, b, c] = *plane;
        for (uint8_t v : verts) {
            if (v != a && v != b && v != c &&
                std::fabs(TripleProduct(m_pos[a], m_pos[b], m_pos[c], m_pos[v])) >
                    kCoplanarTolerance) {
                return std::nullopt;
            }
        }
    }
    std::unique_ptr<CFaceCell> face = MakeFace(verts);
    face->m_strName = FaceName(verts, true);
    const uint16_t key = AddFace(std::move(face));
    return key == 0 ? std::nullopt : std::optional(key);
}

uint16_t CGpage::AddFace(std::unique_ptr<CFaceCell> face) {
    return Insert(m_faces, m_nNextFaceId, 1, m_faceGrants, std::move(face));
}

std::optional<uint16_t> CGpage::AddFaceFromSelection() {
    if (m_selPoints.size() > CFaceCell::kMaxVerts) {
        return std::nullopt;
    }
    return AddFace(m_selPoints);
}

uint16_t CGpage::AddSolid(std::unique_ptr<CSubassembly> solid) {
    return Insert(m_solids, m_nNextSolidId, 1, m_solidGrants, std::move(solid));
}

uint16_t CGpage::AddNewSolid(std::unique_ptr<CSubassembly> solid) {
    solid->m_nTexture = static_cast<uint32_t>(Settings().m_nTexture);
    return AddSolid(std::move(solid));
}

uint16_t CGpage::AddText(std::unique_ptr<CDTextCell> text) {
    return Insert(m_texts, m_nNextTextId, 1, m_textGrants, std::move(text));
}

uint16_t CGpage::AddButton(std::unique_ptr<CBtCmd> button) {
    CBtCmd& stored = *button;
    const uint16_t key =
        Insert(m_buttons, m_nNextButtonId, kFirstButtonKey, m_buttonGrants, std::move(button));
    if (key != 0) {
        stored.m_nKey = key;
        stored.m_rect = ButtonRectForKey(key);
    }
    return key;
}

bool CGpage::HasKeysFor(const AddedCells& cells) const {
    return cells.lines <= FreeKeyCount(m_lines, 1) && cells.faces <= FreeKeyCount(m_faces, 1) &&
           cells.solids <= FreeKeyCount(m_solids, 1) &&
           cells.buttons <= FreeKeyCount(m_buttons, kFirstButtonKey) &&
           cells.texts <= FreeKeyCount(m_texts, 1);
}

void CGpage::ClosePolygon() {
    const size_t count = m_selPoints.size();
    const int lines = static_cast<int>(count < 3 ? count - std::min<size_t>(count, 1) : count);
    if (!HasKeysFor({.lines = lines})) {
        ShowMessage(kPageFullMessage);
        return;
    }
    const uint8_t kind = Settings().m_nLineKind;
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
    for (CKeyGrants* grants :
         {&m_lineGrants, &m_faceGrants, &m_solidGrants, &m_buttonGrants, &m_textGrants}) {
        grants->Clear();
    }
    ClearSelection();
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
