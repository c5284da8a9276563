#include "buttons/modify_button_commands.h"

#include <memory>

#include "buttons/button_copy.h"
#include "buttons/series_members.h"
#include "editing/cmd_modifi_btn.h"
#include "model/document.h"

namespace velnor {

namespace {

// Records the button as it is, then lets `change` edit it in place.
template <typename Button, typename Values, typename Change>
bool Modify(CPlomDoc& doc, uint16_t key, const char* name, Values values, Change change) {
    CGpage& page = doc.CurrentPage();
    auto* button = dynamic_cast<Button*>(FindButton(page, key));
    if (!button) {
        return false;
    }
    if (IsSeriesMember(page, key)) {
        values.twoWay = button->m_bTwoWay != 0;
    }
    doc.CommandProcessor().AddCommand(
        std::make_unique<CCmdModifiBtn>(key, doc, name, CopyButton(*button)));
    change(page, *button, values);
    doc.SetModifiedFlag();
    return true;
}

}  // namespace

bool ModifyShowButton(CPlomDoc& doc, uint16_t key, const ShowButtonValues& values) {
    return Modify<CBtnShow>(doc, key, "修改显示隐藏按钮", values, ApplyShowValues);
}

bool ModifyTranslateButton(CPlomDoc& doc, uint16_t key, const TranslateButtonValues& values) {
    return Modify<CBtnTranslate>(doc, key, "修改平移按钮", values, ApplyTranslateValues);
}

bool ModifyRotateButton(CPlomDoc& doc, uint16_t key, const RotateButtonValues& values) {
    return Modify<CBtnRotatef>(doc, key, "修改旋转按钮", values, ApplyRotateValues);
}

bool ModifySeriesButton(CPlomDoc& doc, uint16_t key, const SeriesButtonValues& values) {
    auto change = [](const CGpage&, CBtCmd& button, const SeriesButtonValues& v) {
        ApplySeriesValues(button, v);
    };
    if (dynamic_cast<CBtnSerues*>(FindButton(doc.CurrentPage(), key))) {
        return Modify<CBtnSerues>(doc, key, "修改并行系列按钮", values, change);
    }
    return Modify<CBtnSerues2>(doc, key, "修改串行系列按钮", values, change);
}

}  // namespace velnor
