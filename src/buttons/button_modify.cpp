#include "buttons/button_modify.h"

#include <algorithm>

#include "buttons/run_end.h"
#include "buttons/saved_targets.h"
#include "editing/transform_definitions.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr int kShowTicks = 2;
constexpr int kMoveTicks = 52;

int TicksPerPress(int oneWay, bool twoWay) {
    return twoWay ? 2 * oneWay : oneWay;
}

bool Contains(const std::vector<int>& list, int key) {
    return std::find(list.begin(), list.end(), key) != list.end();
}

// New targets start from where they stand now, so that a backward run still ends in place.
template <typename Button>
void TakeSelectedPointsAndSolids(const CGpage& page, Button& button) {
    button.m_targetVerts = page.m_selPoints;
    button.m_targetSolids = page.m_selSolids;
    SaveTargets(page, button);
}

bool PointOrSolidSelected(const CGpage& page) {
    return !page.m_selPoints.empty() || !page.m_selSolids.empty();
}

}  // namespace

bool IsSeriesMember(const CGpage& page, int key) {
    return std::any_of(page.m_buttons.begin(), page.m_buttons.end(), [key](const auto& entry) {
        const std::vector<int>* members = SeriesMembers(*entry.second);
        return members && Contains(*members, key);
    });
}

void ApplyShowValues(const CGpage& page, CBtnShow& button, const ShowButtonValues& values) {
    button.m_strCaption = values.caption;
    SetWindowText(button, values.caption);
    button.m_bTwoWay = values.twoWay;
    button.m_nTicksPerPress = TicksPerPress(kShowTicks, values.twoWay);
    const bool anySelected = !page.m_selPoints.empty() || !page.m_selLines.empty() ||
                             !page.m_selFaces.empty() || !page.m_selSolids.empty();
    if (values.useSelection && anySelected) {
        button.m_targetVerts = page.m_selPoints;
        button.m_targetLines = page.m_selLines;
        button.m_targetFaces = page.m_selFaces;
        button.m_targetSolids = page.m_selSolids;
    }
}

void ApplyTranslateValues(const CGpage& page, CBtnTranslate& button,
                          const TranslateButtonValues& values) {
    button.m_strCaption = values.caption;
    SetWindowText(button, button.WindowCaption());
    button.m_bTwoWay = values.twoWay;
    button.m_nTicksPerPress = TicksPerPress(kMoveTicks, values.twoWay);
    if (values.useSelection && PointOrSolidSelected(page)) {
        TakeSelectedPointsAndSolids(page, button);
    }
    button.m_vector = values.usePageVector ? page.m_translation : values.vector;
}

void ApplyRotateValues(const CGpage& page, CBtnRotatef& button, const RotateButtonValues& values) {
    button.m_strCaption = values.caption;
    SetWindowText(button, button.WindowCaption());
    button.m_bTwoWay = values.twoWay;
    button.m_nTicksPerPress = TicksPerPress(kMoveTicks, values.twoWay);
    if (values.useSelection && PointOrSolidSelected(page)) {
        TakeSelectedPointsAndSolids(page, button);
    }
    if (values.usePageDefinitions) {
        button.m_axisPoint = page.m_axisPoint;
        button.m_axisDir = page.m_axisDir;
        button.m_angle = page.m_fAngle;
        return;
    }
    const auto unit = NormalizeDirection(values.axisDir);
    if (!unit) {
        ShowMessage("旋转轴方程不正确,未作改动");
        return;
    }
    button.m_axisDir = *unit;
    button.m_axisPoint = values.axisPoint;
    button.m_angle = values.angle;
}

void ApplySeriesValues(CBtCmd& button, const SeriesButtonValues& values) {
    button.m_strCaption = values.caption;
    SetWindowText(button, button.WindowCaption());
    button.m_bTwoWay = values.twoWay;
    button.m_nTicksPerPress = TicksPerPress(button.m_nTicksOneWay, values.twoWay);
}

}  // namespace velnor
