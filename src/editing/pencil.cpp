#include "editing/pencil.h"

#include <string>

#include "editing/record_additions.h"
#include "geometry/construction_messages.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "model/refresh_hint.h"

namespace velnor {

namespace {

int LastVertex(const CGpage& page) {
    return page.m_nVertexCount - 1;
}

bool AddVertexAt(CGpage& page, const Point3d& p) {
    return page.AddVertex(static_cast<float>(p[0]), static_cast<float>(p[1]),
                          static_cast<float>(p[2]));
}

}  // namespace

Point3d Pencil::ChainPosition(int slot) const {
    const Float3& p = m_doc.CurrentPage().m_pos[m_state.m_chain[slot] & 0xFF];
    return {p[0], p[1], p[2]};
}

void Pencil::StartAt(int vertex) {
    const Float3& p = m_doc.CurrentPage().m_pos[vertex];
    m_state.m_vStart = m_state.m_vCursor = {p[0], p[1], p[2]};
    m_state.m_fLevel = p[2];
}

void Pencil::Append(int vertex) {
    ++m_state.m_nChain;
    m_state.m_chain[m_state.m_nChain] = static_cast<uint16_t>(vertex);
}

void Pencil::Reset() {
    m_state.m_nStage = kStageNone;
    m_state.m_fLevel = 0.0;
    m_state.m_vCursor = {};
    m_state.m_nChain = 0;
    m_state.m_nBase = 0;
    m_doc.CurrentPage().m_selPoints.clear();
}

void Pencil::VertexLimitReached() {
    ShowMessage(kVertexLimitMessage);
    Reset();
}

void Pencil::Press(const std::vector<PickHit>& hits, const MouseRay& ray) {
    if (hits.empty()) {
        m_state.m_nStage = kStageSecond;
    } else if (hits.front().group == kPickVertices) {
        PressVertex(hits.front().item);
    } else if (hits.front().group == kPickLines) {
        PressLine(hits.front().item, ray);
    }
}

void Pencil::PressVertex(int vertex) {
    CGpage& page = m_doc.CurrentPage();
    m_state.m_nStage = kStageFirstPoint;
    StartAt(vertex);
    const int chain = m_state.m_nChain;
    if (chain > 0 && m_state.LastChainVertex() == vertex) {
        // A height drag from the last vertex; a click without a drag places one unit above it.
        m_state.m_nStage = kStageSecond;
        m_state.m_fLevel += 1.0;
        m_state.m_vCursor[2] += 1.0;
        return;
    }
    if (chain == 0) {
        Append(vertex);
        return;
    }
    if (chain >= ToolState::kClosed) {
        return;
    }
    const bool closes = chain >= 3 && m_state.m_chain[1] == vertex;
    if (chain == ToolState::kMaxBase && !closes) {
        return;  // a base has at most 20 vertices: only closing is left
    }
    page.AddLine(static_cast<uint8_t>(m_state.LastChainVertex()), static_cast<uint8_t>(vertex));
    if (!closes) {
        RecordAdditions(m_doc, "添加线", {.lines = 1});
        Append(vertex);
        m_doc.Refresh(kHintLines);
        return;
    }
    const std::vector<int> base(m_state.m_chain.begin() + 1, m_state.m_chain.begin() + chain + 1);
    if (page.AddFace(base)) {
        m_state.m_nBase = static_cast<uint8_t>(chain);
        RecordAdditions(m_doc, "添加线面", {.lines = 1, .faces = 1});
    } else {
        RecordAdditions(m_doc, "添加线", {.lines = 1});
    }
    m_state.m_nChain = ToolState::kClosed;
    m_state.m_chain[ToolState::kClosed] = static_cast<uint16_t>(vertex);
    m_doc.Refresh(kHintAll);
}

void Pencil::PressLine(int key, const MouseRay& ray) {
    CGpage& page = m_doc.CurrentPage();
    const auto found = page.m_lines.find(static_cast<uint16_t>(key));
    if (found == page.m_lines.end()) {
        return;
    }
    if (!page.HasRoomFor(1)) {
        VertexLimitReached();
        return;
    }
    const CLineCell& line = *found->second;
    const Float3& a = page.m_pos[line.m_nStart];
    const Float3& b = page.m_pos[line.m_nEnd];
    const Point3d pa{a[0], a[1], a[2]}, pb{b[0], b[1], b[2]};
    const double s = SnapLineParameter(LineParameterNearRay(pa, pb, ray));
    AddVertexAt(page, {pa[0] + s * (pb[0] - pa[0]), pa[1] + s * (pb[1] - pa[1]),
                       pa[2] + s * (pb[2] - pa[2])});
    const int vertex = LastVertex(page);
    m_state.m_nStage = kStageFirstPoint;
    StartAt(vertex);
    const int chain = m_state.m_nChain;
    if (chain == 0) {
        RecordAdditions(m_doc, "添加分点", {.points = 1});
        Append(vertex);
    } else if (chain >= ToolState::kClosed) {
        // With the base closed the point becomes the top point, joined to the first base vertex.
        page.AddLine(static_cast<uint8_t>(m_state.m_chain[ToolState::kClosed]),
                     static_cast<uint8_t>(vertex));
        RecordAdditions(m_doc, "添加点线", {.points = 1, .lines = 1});
        m_state.m_nChain = ToolState::kTopPlaced;
        m_state.m_chain[ToolState::kTopPlaced] = static_cast<uint16_t>(vertex);
    } else {
        page.AddLine(static_cast<uint8_t>(m_state.LastChainVertex()), static_cast<uint8_t>(vertex));
        RecordAdditions(m_doc, "添加点线", {.points = 1, .lines = 1});
        if (chain < ToolState::kMaxBase) {
            Append(vertex);
        }
    }
    m_doc.Refresh(kHintAll);
}

void Pencil::Release() {
    if (m_state.m_nStage != kStageSecond) {
        return;
    }
    if (m_state.m_nChain == ToolState::kTopPlaced) {
        FinishSolid();
    } else if (m_state.m_nChain != ToolState::kMaxBase) {
        PlaceVertex();
    }
}

void Pencil::PlaceVertex() {
    CGpage& page = m_doc.CurrentPage();
    if (!page.HasRoomFor(1)) {
        VertexLimitReached();
        return;
    }
    AddVertexAt(page, m_state.m_vCursor);
    const int vertex = LastVertex(page);
    m_state.m_nStage = kStageFirstPoint;
    m_state.m_vStart = m_state.m_vCursor;
    m_state.m_fLevel = m_state.m_vCursor[2];
    if (m_state.m_nChain > 0) {
        page.AddLine(static_cast<uint8_t>(m_state.LastChainVertex()), static_cast<uint8_t>(vertex));
        RecordAdditions(m_doc, "添加点线", {.points = 1, .lines = 1});
    } else {
        RecordAdditions(m_doc, "添加点", {.points = 1});
    }
    Append(vertex);
    m_doc.Refresh(kHintAll);
}

double PencilTopRatio(const CGpage& page, const ToolState& state) {
    if (state.m_nChain != ToolState::kTopPlaced) {
        return 0.0;
    }
    const auto position = [&](int slot) {
        const Float3& p = page.m_pos[state.m_chain[slot] & 0xFF];
        return Point3d{p[0], p[1], p[2]};
    };
    return TopRatio(state.m_vStart, state.m_vCursor, position(1), position(2));
}

void Pencil::FinishSolid() {
    CGpage& page = m_doc.CurrentPage();
    if (page.m_nVertexCount + m_state.m_nBase > CGpage::kMaxVertices - 1) {
        VertexLimitReached();
        return;
    }
    if (m_state.m_nBase >= 3) {
        const double ratio = PencilTopRatio(page, m_state);
        if (ratio == 0.0) {
            BuildPyramid(m_state.m_chain[ToolState::kTopPlaced]);
        } else {
            BuildPrismOrFrustum(ratio);
        }
    }
    Reset();
    m_doc.Refresh(kHintAll);
}

void Pencil::BuildPyramid(int apex) {
    CGpage& page = m_doc.CurrentPage();
    const int n = m_state.m_nBase;
    page.m_label[apex] = "V";
    page.RefreshNames();
    int faces = 0;
    for (int i = 1; i <= n; ++i) {
        const int vi = m_state.m_chain[i];
        if (i > 1) {
            page.AddLine(static_cast<uint8_t>(apex), static_cast<uint8_t>(vi));
        }
        const int next = m_state.m_chain[i % n + 1];
        const int side[] = {vi, next, apex};
        faces += page.AddFace(side).has_value();
    }
    RecordAdditions(m_doc, "完成棱锥", {.lines = n - 1, .faces = faces});
}

void Pencil::BuildPrismOrFrustum(double ratio) {
    CGpage& page = m_doc.CurrentPage();
    const int n = m_state.m_nBase;
    const Point3d v0 = ChainPosition(1);
    const Point3d top = ChainPosition(ToolState::kTopPlaced);
    std::vector<int> tops{m_state.m_chain[ToolState::kTopPlaced]};
    for (int i = 2; i <= n; ++i) {
        AddVertexAt(page, TopVertex(v0, ChainPosition(i), top, ratio));
        tops.push_back(LastVertex(page));
    }
    for (int i = 1; i < n; ++i) {
        page.AddLine(static_cast<uint8_t>(m_state.m_chain[i + 1]),
                     static_cast<uint8_t>(tops[static_cast<size_t>(i)]));
    }
    int faces = 0;
    for (int i = 0; i < n; ++i) {
        const size_t here = static_cast<size_t>(i), next = static_cast<size_t>((i + 1) % n);
        page.AddLine(static_cast<uint8_t>(tops[here]), static_cast<uint8_t>(tops[next]));
        const int side[] = {m_state.m_chain[here + 1], m_state.m_chain[next + 1], tops[next],
                            tops[here]};
        faces += page.AddFace(side).has_value();
    }
    faces += page.AddFace(tops).has_value();
    RecordAdditions(m_doc, ratio == 1.0 ? "完成棱柱" : "完成棱台",
                    {.points = n - 1, .lines = 2 * n - 1, .faces = faces});
}

}  // namespace velnor
