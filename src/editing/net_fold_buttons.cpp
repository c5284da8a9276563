#include "editing/net_fold_buttons.h"

#include <memory>
#include <string>
#include <vector>

#include "model/button_window.h"

namespace velnor {

namespace {

constexpr const char* kSeriesCaption = "折叠/展开";

// The hinges of each height, lowest first.
std::vector<std::vector<const NetHinge*>> Rounds(const PolyhedronNet& net) {
    std::vector<std::vector<const NetHinge*>> rounds;
    for (const NetHinge& hinge : net.hinges) {
        if (rounds.empty() || rounds.back().front()->height != hinge.height) {
            rounds.emplace_back();
        }
        rounds.back().push_back(&hinge);
    }
    return rounds;
}

uint16_t Place(CGpage& page, std::unique_ptr<CBtCmd> button) {
    const uint16_t key = page.AddButton(std::move(button));
    CreateButtonWindow(*page.m_buttons.at(key), true);
    return key;
}

uint16_t AddMoveButton(CGpage& page, const PolyhedronNet& net, int firstVertex, Vec3 shift) {
    auto button = std::make_unique<CBtnTranslate>();
    button->m_bHidden = 1;
    button->m_strCaption = "移到底面上";
    button->m_vector = {-shift.x, -shift.y, -shift.z};
    for (int v = 0; v < static_cast<int>(net.vertices.size()); ++v) {
        button->m_targetVerts.push_back(firstVertex + v);
    }
    button->ResizeSaved();
    return Place(page, std::move(button));
}

uint16_t AddHingeButton(CGpage& page, const NetHinge& hinge, int firstVertex) {
    auto button = std::make_unique<CBtnRotatef>();
    button->m_bHidden = 1;
    button->m_strCaption = "折叠";
    button->m_axisPoint = {hinge.axisPoint.x, hinge.axisPoint.y, hinge.axisPoint.z};
    button->m_axisDir = {hinge.axisDir.x, hinge.axisDir.y, hinge.axisDir.z};
    button->m_angle = hinge.foldDegrees;
    for (int v : hinge.moved) {
        button->m_targetVerts.push_back(firstVertex + v);
    }
    button->ResizeSaved();
    return Place(page, std::move(button));
}

uint16_t AddRoundButton(CGpage& page, const std::vector<int>& members, int round) {
    auto button = std::make_unique<CBtnSerues>();
    button->m_bHidden = 1;
    button->m_strCaption = "第" + std::to_string(round) + "轮折叠";
    button->m_members = members;
    button->m_nTicksOneWay = button->m_nTicksPerPress = CBtnRotatef().m_nTicksPerPress;
    return Place(page, std::move(button));
}

}  // namespace

int FoldButtonCount(const PolyhedronNet& net) {
    // The move, the hinges and the series "折叠/展开".
    int count = static_cast<int>(net.hinges.size()) + 2;
    for (const auto& round : Rounds(net)) {
        count += round.size() > 1 ? 1 : 0;
    }
    return count;
}

int AddFoldButtons(CGpage& page, const PolyhedronNet& net, int firstVertex, Vec3 shift) {
    const uint16_t firstKey = page.m_nNextButtonId;
    auto series = std::make_unique<CBtnSerues2>();
    series->m_strCaption = kSeriesCaption;
    const uint16_t move = AddMoveButton(page, net, firstVertex, shift);
    series->m_members.push_back(move);
    int ticks = 1 + page.m_buttons.at(move)->m_nTicksPerPress + 1;
    const auto rounds = Rounds(net);
    for (size_t round = 0; round < rounds.size(); ++round) {
        std::vector<int> members;
        for (const NetHinge* hinge : rounds[round]) {
            members.push_back(AddHingeButton(page, *hinge, firstVertex));
        }
        const int member = members.size() > 1
                               ? AddRoundButton(page, members, static_cast<int>(round) + 1)
                               : members.front();
        series->m_members.push_back(member);
        ticks += page.m_buttons.at(static_cast<uint16_t>(member))->m_nTicksPerPress + 1;
    }
    series->m_nTicksOneWay = series->m_nTicksPerPress = ticks;
    const uint16_t key = page.AddButton(std::move(series));
    CBtCmd& added = *page.m_buttons.at(key);
    added.m_rect = ButtonRectForKey(firstKey);
    CreateButtonWindow(added, true);
    return key - firstKey + 1;
}

}  // namespace velnor
