#include "editing/section_step_buttons.h"

#include <cstdint>
#include <memory>

#include "model/button_window.h"

namespace velnor {

namespace {

constexpr const char* kSeriesCaption = "截面移动";
// About a second at the medium speed.
constexpr int kTicksPerSection = 25;

// A show/hide button in state 0 hides its cells on the next press; in state 1 it shows them.
std::unique_ptr<CBtCmd> ShowButton(const SectionStepCells& cells, bool showsNext) {
    auto button = std::make_unique<CBtnShow>();
    button->m_bHidden = 1;
    button->m_nState = showsNext ? 1 : 0;
    button->m_targetVerts = cells.points;
    button->m_targetLines = cells.lines;
    button->m_targetFaces = cells.faces;
    return button;
}

std::unique_ptr<CBtCmd> PairButton(uint16_t hide, uint16_t show) {
    auto pair = std::make_unique<CBtnSerues>();
    pair->m_bHidden = 1;
    pair->m_members = {hide, show};
    pair->m_nTicksOneWay = pair->m_nTicksPerPress = kTicksPerSection;
    return pair;
}

}  // namespace

int SectionStepButtonCount(int sections) {
    return 3 * (sections - 1) + 1;
}

int AddSectionStepButtons(CGpage& page, const std::vector<SectionStepCells>& sections) {
    auto series = std::make_unique<CBtnSerues2>();
    series->m_strCaption = kSeriesCaption;
    CBtnSerues2& stored = *series;
    std::vector<uint16_t> keys{page.AddButton(std::move(series))};
    int ticks = 1;
    for (size_t i = 0; i + 1 < sections.size(); ++i) {
        const uint16_t hide = page.AddButton(ShowButton(sections[i], false));
        const uint16_t show = page.AddButton(ShowButton(sections[i + 1], true));
        const uint16_t pair = page.AddButton(PairButton(hide, show));
        keys.insert(keys.end(), {hide, show, pair});
        stored.m_members.push_back(pair);
        ticks += kTicksPerSection + 1;
    }
    stored.m_nTicksOneWay = stored.m_nTicksPerPress = ticks;
    for (uint16_t key : keys) {
        CreateButtonWindow(*page.m_buttons.at(key), true);
    }
    return static_cast<int>(keys.size());
}

}  // namespace velnor
