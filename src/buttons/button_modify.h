#pragma once

#include <string>

#include "model/button_cells.h"
#include "model/page.h"

namespace velnor {

// What the properties dialogs of the buttons give back.
struct ShowButtonValues {
    std::string caption;
    bool twoWay = false;
    bool useSelection = false;  // "修改为当前已选取的图元为操作对象:"
};

struct TranslateButtonValues {
    std::string caption;
    bool twoWay = false;
    Float3 vector{};
    bool usePageVector = false;  // "修改为当前已定义的平移向量:"
    bool useSelection = false;
};

struct RotateButtonValues {
    std::string caption;
    bool twoWay = false;
    float angle = 0.0f;
    Float3 axisDir{};  // divided by its length when stored
    Float3 axisPoint{};
    bool usePageDefinitions = false;  // "修改为当前已定义的旋转轴与旋转角:"
    bool useSelection = false;
};

struct SeriesButtonValues {
    std::string caption;
    bool twoWay = false;
};

// A member of a series of the page: its dialog does not offer two-way motion.
bool IsSeriesMember(const CGpage& page, int key);

// Change the button in place from its dialog's values; the window shows the new caption.
void ApplyShowValues(const CGpage& page, CBtnShow& button, const ShowButtonValues& values);
void ApplyTranslateValues(const CGpage& page, CBtnTranslate& button,
                          const TranslateButtonValues& values);
// A direction without length is refused with "旋转轴方程不正确,未作改动": axis, point and angle
// stay, the other values are taken.
void ApplyRotateValues(const CGpage& page, CBtnRotatef& button, const RotateButtonValues& values);
void ApplySeriesValues(CBtCmd& button, const SeriesButtonValues& values);

}  // namespace velnor
