#pragma once

#include <cstdint>

#include "buttons/button_modify.h"

namespace velnor {

class CPlomDoc;

// The properties command on the current page's button of that key: records the button as it was
// ("修改显示隐藏按钮", "修改平移按钮", "修改旋转按钮", "修改并行系列按钮", "修改串行系列按钮") and
// changes it from the dialog's values. A member of a series keeps its two-way setting, as its
// dialog does not offer it. Each returns false, doing nothing, when the key names no button of
// that kind.
bool ModifyShowButton(CPlomDoc& doc, uint16_t key, const ShowButtonValues& values);
bool ModifyTranslateButton(CPlomDoc& doc, uint16_t key, const TranslateButtonValues& values);
bool ModifyRotateButton(CPlomDoc& doc, uint16_t key, const RotateButtonValues& values);
// A parallel or a serial series.
bool ModifySeriesButton(CPlomDoc& doc, uint16_t key, const SeriesButtonValues& values);

}  // namespace velnor
