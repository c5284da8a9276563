#include "editing/section_step_buttons.h"

#include <memory>

#include "model/button_window.h"

namespace velnor {

namespace {

constexpr const char* kSeriesCaption = "截面移动";
// About a second at the medium speed.
constexpr int kTicksPerSection = 25;

uint16_t Place(CGpage& page, std::unique_ptr<CBtCmd> button) {
    const uint16_t key = page.AddButton(std::move(button));
    CreateButtonWindow(*page.m_buttons.at(key), true);
    return key;
}

// A show/hide button in state 0 hides its cells on the next press; in state 1 it shows them.
uint16_t AddShowButton(CGpage& page, const SectionStepCells& cells, bool showsNext) {
    auto button = std::make_unique<CBtnShow>();
    button->m_bHidden = 1;
    button->m_nState = showsNext ? 1 : 0;
    button->m_targetVerts = cells.points;
    button->m_targetLines = cells.lines;
    button->m_targetFaces = cells.faces;
    return Place(page, std::move(button));
}

uint16_t AddPairButton(CGpage& page, const SectionStepCells& from, const SectionStepCells& to) {
    auto pair = std::make_unique<CBtnSerues>();
    pair->m_bHidden = 1;
    pair->m_members = {AddShowButton(page, from, false), AddShowButton(page, to, true)};
    pair->m_nTicksOneWay = pair->m_nTicksPerPress = kTicksPerSection;
    return Place(page, std::move(pair));
}

}  // namespace

int SectionStepButtonCount(int sections) {
    return 3 * (sections - 1) + 1;
}

int AddSectionStepButtons(CGpage& page, const std::vector<SectionStepCells>& sections) {
    auto series = std::make_unique<CBtnSerues2>();
    series->m_strCaption = kSeriesCaption;
    CBtnSerues2& stored = *series;
    Place(page, std::move(series));
    int ticks = 1;
    for (size_t i = 0; i + 1 < sections.size(); ++i) {
        stored.m_members.push_back(AddPairButton(page, sections[i], sections[i + 1]));
        ticks += kTicksPerSection + 1;
    }
    stored.m_nTicksOneWay = stored.m_nTicksPerPress = ticks;
    return SectionStepButtonCount(static_cast<int>(sections.size()));
}

}  // namespace velnor
