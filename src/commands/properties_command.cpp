#include "commands/properties_command.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "buttons/modify_button_commands.h"
#include "buttons/series_members.h"
#include "commands/command_error.h"
#include "commands/menu_items.h"
#include "commands/solid_items.h"
#include "editing/component_command.h"
#include "editing/properties.h"
#include "geometry/component_values.h"
#include "geometry/selection_report.h"
#include "geometry/text_format.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr int kLastScheme = 5;
constexpr size_t kMaxLabelCharacters = 3;

// Characters, not bytes: a label may hold Chinese.
size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

const CSubassembly* SelectedSolid(const CGpage& page) {
    const auto found = page.m_solids.find(static_cast<uint16_t>(page.m_selSolids.front()));
    return found == page.m_solids.end() ? nullptr : found->second.get();
}

void AllowOnly(const CommandParams& params, std::initializer_list<const char*> allowed,
               const char* what) {
    for (const std::string& name : params.Names()) {
        if (std::none_of(allowed.begin(), allowed.end(),
                         [&](const char* a) { return name == a; })) {
            throw CommandError(std::string("the properties of ") + what + " take no " + name);
        }
    }
}

void EditVertex(CPlomDoc& doc, const CommandParams& params) {
    AllowOnly(params, {"x", "y", "z", "r", "g", "b", "label", "shown"}, "a vertex");
    const int index = doc.CurrentPage().m_selPoints.front();
    VertexValues values = VertexValuesOf(doc.CurrentPage(), index);
    values.position = params.Vector("x", "y", "z", values.position);
    values.color = {params.Byte("r", values.color.r), params.Byte("g", values.color.g),
                    params.Byte("b", values.color.b)};
    values.label = params.Text("label", values.label);
    values.shown = params.Flag("shown", values.shown);
    ModifyVertex(doc, index, values);
}

void EditButton(CPlomDoc& doc, const CommandParams& params) {
    CGpage& page = doc.CurrentPage();
    const auto key = static_cast<uint16_t>(page.m_selButtons.front());
    CBtCmd* button = FindButton(page, key);
    if (button == nullptr) {
        throw CommandError("the selected button " + std::to_string(key) + " is not on the page");
    }
    const std::string caption = params.Text("caption", button->m_strCaption);
    const bool twoWay = params.Flag("twoway", button->m_bTwoWay != 0);
    if (dynamic_cast<CBtnShow*>(button) != nullptr) {
        AllowOnly(params, {"caption", "twoway", "useselection"}, "a show/hide button");
        ModifyShowButton(doc, key, {caption, twoWay, params.Flag("useselection", false)});
    } else if (auto* move = dynamic_cast<CBtnTranslate*>(button)) {
        AllowOnly(params, {"caption", "twoway", "x", "y", "z", "usepage", "useselection"},
                  "a translate button");
        ModifyTranslateButton(doc, key,
                              {caption, twoWay, params.Vector("x", "y", "z", move->m_vector),
                               params.Flag("usepage", false), params.Flag("useselection", false)});
    } else if (auto* turn = dynamic_cast<CBtnRotatef*>(button)) {
        AllowOnly(params,
                  {"caption", "twoway", "angle", "dx", "dy", "dz", "px", "py", "pz", "usepage",
                   "useselection"},
                  "a rotate button");
        ModifyRotateButton(doc, key,
                           {caption, twoWay, params.Float("angle", turn->m_angle),
                            params.Vector("dx", "dy", "dz", turn->m_axisDir),
                            params.Vector("px", "py", "pz", turn->m_axisPoint),
                            params.Flag("usepage", false), params.Flag("useselection", false)});
    } else {
        AllowOnly(params, {"caption", "twoway"}, "a series button");
        ModifySeriesButton(doc, key, {caption, twoWay});
    }
}

void EditPage(CPlomDoc& doc, const CommandParams& params) {
    AllowOnly(params, {"scheme", "clip", "a", "b", "c", "d"}, "the page");
    CGpage& page = doc.CurrentPage();
    page.m_nScheme =
        static_cast<uint32_t>(params.Integer("scheme", static_cast<int>(page.m_nScheme)));
    page.m_bClip = params.Flag("clip", page.m_bClip != 0) ? 1 : 0;
    page.m_clipPlane = {
        params.Number("a", page.m_clipPlane[0]), params.Number("b", page.m_clipPlane[1]),
        params.Number("c", page.m_clipPlane[2]), params.Number("d", page.m_clipPlane[3])};
    doc.NotifyPageChanged();
}

// The component dialog edits a solid in place; a rich-text bitmap text is edited in the shell's
// text editor instead.
CommandOutcome EditSolid(CPlomDoc& doc, const CommandParams& params) {
    for (const std::string& name : params.Names()) {
        const auto& allowed = ComponentParamNames();
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            throw CommandError("the properties of a solid take no " + name);
        }
    }
    const CSubassembly* found = SelectedSolid(doc.CurrentPage());
    if (found == nullptr) {
        return CommandOutcome::kDone;
    }
    const CSubassembly& solid = *found;
    if (std::string_view(solid.ClassName()) == "CBitRtfText") {
        return CommandOutcome::kViewTakesOver;
    }
    ComponentValues values = ComponentValuesOf(solid);
    ApplyComponentParams(params, values, false);
    EditSelectedSolid(
        doc, [&](CSubassembly& edited) { ApplyComponent(doc, edited, values); },
        [](CBitRtfText&) {});
    return CommandOutcome::kDone;
}

CommandOutcome EditProperties(CPlomDoc& doc, const CommandParams& params) {
    const CGpage& page = doc.CurrentPage();
    switch (PropertiesCaseFor(page)) {
        case PropertiesCase::kVertex:
            EditVertex(doc, params);
            break;
        case PropertiesCase::kButton:
            EditButton(doc, params);
            break;
        case PropertiesCase::kSolid:
            return EditSolid(doc, params);
        case PropertiesCase::kReportOrPage: {
            const std::string report = BuildSelectionReport(page);
            if (report != kNoSelectionReport) {
                AllowOnly(params, {}, "a selection with a report");
                ShowMessage(report);
            } else {
                EditPage(doc, params);
            }
            break;
        }
    }
    return CommandOutcome::kDone;
}

std::string CheckProperties(const CPlomDoc& doc, const CommandParams& params) {
    const CGpage& page = doc.CurrentPage();
    switch (PropertiesCaseFor(page)) {
        case PropertiesCase::kVertex:
            if (CharacterCount(params.Text("label", "")) > kMaxLabelCharacters) {
                return "标签不能超过3个字符。";
            }
            break;
        case PropertiesCase::kSolid:
            if (const CSubassembly* solid = SelectedSolid(page)) {
                return ComponentParamsRefusal(doc, params, solid->m_nKind);
            }
            break;
        case PropertiesCase::kReportOrPage: {
            const int scheme = params.Integer("scheme", 0);
            if (scheme < 0 || scheme > kLastScheme) {
                return RangeRefusal(0, kLastScheme, true);
            }
            break;
        }
        case PropertiesCase::kButton:
            break;
    }
    return {};
}

}  // namespace

CommandEntry PropertiesItem() {
    CommandEntry entry = DocumentItem(32866, "修改图元属性", "图元属性查看与设置", EditProperties);
    entry.params = {"x",     "y",      "z",       "r",      "g",       "b",
                    "label", "shown",  "caption", "twoway", "usepage", "useselection",
                    "angle", "dx",     "dy",      "dz",     "px",      "py",
                    "pz",    "scheme", "clip",    "a",      "c",       "d"};
    for (const std::string& name : ComponentParamNames()) {
        if (std::find(entry.params.begin(), entry.params.end(), name) == entry.params.end()) {
            entry.params.push_back(name);
        }
    }
    entry.dialogFirst = true;
    entry.check = CheckProperties;
    return entry;
}

}  // namespace velnor
