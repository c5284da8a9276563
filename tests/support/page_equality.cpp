#include "support/page_equality.h"

#include <sstream>
#include <stdexcept>
#include <string_view>
#include <type_traits>

#include "model/bit_text.h"

namespace velnor::test {

namespace {

template <typename Concrete, typename Base>
bool SameAs(const Base& a, const Base& b) {
    const auto* ca = dynamic_cast<const Concrete*>(&a);
    const auto* cb = dynamic_cast<const Concrete*>(&b);
    return ca && cb && *ca == *cb;
}

bool SameCell(const CGcell& a, const CGcell& b) {
    const std::string_view kind = a.ClassName();
    if (kind != b.ClassName()) {
        return false;
    }
    if (kind == "CLineCell")
        return SameAs<CLineCell>(a, b);
    if (kind == "CFace3" || kind == "CFace4" || kind == "CFacen")
        return SameAs<CFaceCell>(a, b);
    if (kind == "CSubassembly")
        return SameAs<CSubassembly>(a, b);
    if (kind == "CBitText")
        return SameAs<CBitText>(a, b);
    if (kind == "CBitRtfText")
        return SameAs<CBitRtfText>(a, b);
    if (kind == "CDTextCell")
        return SameAs<CDTextCell>(a, b);
    return false;
}

bool SameCell(const CBtCmd& a, const CBtCmd& b) {
    const std::string_view kind = a.ClassName();
    if (kind != b.ClassName()) {
        return false;
    }
    if (kind == "CBtnShow")
        return SameAs<CBtnShow>(a, b);
    if (kind == "CBtnTranslate")
        return SameAs<CBtnTranslate>(a, b);
    if (kind == "CBtnRotatef")
        return SameAs<CBtnRotatef>(a, b);
    if (kind == "CBtnSerues")
        return SameAs<CBtnSerues>(a, b);
    if (kind == "CBtnSerues2")
        return SameAs<CBtnSerues2>(a, b);
    return false;
}

template <typename Cell>
void CompareMaps(const char* what, const CellMap<Cell>& expected, const CellMap<Cell>& actual,
                 std::vector<std::string>& out) {
    for (const auto& [key, cell] : expected) {
        const auto it = actual.find(key);
        if (it == actual.end()) {
            out.push_back(std::string(what) + " " + std::to_string(key) + " is missing");
        } else if (!SameCell(*cell, *it->second)) {
            out.push_back(std::string(what) + " " + std::to_string(key) + " differs");
        }
    }
    for (const auto& [key, cell] : actual) {
        if (!expected.contains(key)) {
            out.push_back(std::string(what) + " " + std::to_string(key) + " is extra");
        }
    }
}

template <typename T>
std::string Show(const T& value) {
    std::ostringstream text;
    if constexpr (std::is_same_v<T, std::string>) {
        text << value;
    } else if constexpr (requires {
                             value.begin();
                             value.size();
                         }) {
        text << "[";
        for (const auto& item : value) {
            text << " " << +item;
        }
        text << " ]";
    } else {
        text << +value;
    }
    return text.str();
}

template <typename T>
void Compare(const char* what, const T& expected, const T& actual, std::vector<std::string>& out) {
    if (!(expected == actual)) {
        out.push_back(std::string(what) + ": " + Show(expected) + " != " + Show(actual));
    }
}

std::unique_ptr<CGcell> CopyCell(const CGcell& cell) {
    const std::string_view kind = cell.ClassName();
    if (kind == "CLineCell")
        return std::make_unique<CLineCell>(dynamic_cast<const CLineCell&>(cell));
    if (kind == "CFace3")
        return std::make_unique<CFace3>(dynamic_cast<const CFace3&>(cell));
    if (kind == "CFace4")
        return std::make_unique<CFace4>(dynamic_cast<const CFace4&>(cell));
    if (kind == "CFacen")
        return std::make_unique<CFacen>(dynamic_cast<const CFacen&>(cell));
    if (kind == "CSubassembly")
        return std::make_unique<CSubassembly>(dynamic_cast<const CSubassembly&>(cell));
    if (kind == "CBitText")
        return std::make_unique<CBitText>(dynamic_cast<const CBitText&>(cell));
    if (kind == "CBitRtfText")
        return std::make_unique<CBitRtfText>(dynamic_cast<const CBitRtfText&>(cell));
    if (kind == "CDTextCell")
        return std::make_unique<CDTextCell>(dynamic_cast<const CDTextCell&>(cell));
    throw std::logic_error("cannot copy a cell of this class");
}

template <typename Cell>
void CopyMap(const CellMap<Cell>& from, CellMap<Cell>& to) {
    for (const auto& [key, cell] : from) {
        if constexpr (std::is_same_v<Cell, CBtCmd>) {
            to[key] = CopyButton(*cell);
        } else {
            std::unique_ptr<CGcell> copy = CopyCell(*cell);
            to[key].reset(dynamic_cast<Cell*>(copy.release()));
        }
    }
}

}  // namespace

std::unique_ptr<CBtCmd> CopyButton(const CBtCmd& button) {
    const std::string_view kind = button.ClassName();
    if (kind == "CBtnShow")
        return std::make_unique<CBtnShow>(dynamic_cast<const CBtnShow&>(button));
    if (kind == "CBtnTranslate")
        return std::make_unique<CBtnTranslate>(dynamic_cast<const CBtnTranslate&>(button));
    if (kind == "CBtnRotatef")
        return std::make_unique<CBtnRotatef>(dynamic_cast<const CBtnRotatef&>(button));
    if (kind == "CBtnSerues")
        return std::make_unique<CBtnSerues>(dynamic_cast<const CBtnSerues&>(button));
    if (kind == "CBtnSerues2")
        return std::make_unique<CBtnSerues2>(dynamic_cast<const CBtnSerues2&>(button));
    throw std::logic_error("cannot copy a button of this class");
}

std::vector<std::string> PageDifferences(const CGpage& expected, const CGpage& actual,
                                         PageComparison options) {
    std::vector<std::string> out;
    Compare("m_nId", expected.m_nId, actual.m_nId, out);
    Compare("m_strName", expected.m_strName, actual.m_strName, out);
    Compare("m_nVertexCount", expected.m_nVertexCount, actual.m_nVertexCount, out);
    Compare("m_bFillFaces", expected.m_bFillFaces, actual.m_bFillFaces, out);
    Compare("m_nScheme", expected.m_nScheme, actual.m_nScheme, out);
    Compare("m_bPerspInThreeView", expected.m_bPerspInThreeView, actual.m_bPerspInThreeView, out);
    const int rows = std::min(expected.m_nVertexCount, actual.m_nVertexCount);
    for (int i = 0; i < rows; ++i) {
        const std::string row = "vertex " + std::to_string(i) + " ";
        if (expected.m_pos[i] != actual.m_pos[i])
            out.push_back(row + "position");
        if (expected.m_color[i] != actual.m_color[i])
            out.push_back(row + "colour");
        if (expected.m_label[i] != actual.m_label[i]) {
            out.push_back(row + "label " + expected.m_label[i] + " != " + actual.m_label[i]);
        }
        if (expected.m_bShown[i] != actual.m_bShown[i])
            out.push_back(row + "shown");
    }
    if (options.labelCounters) {
        Compare("m_chNextLabel", expected.m_chNextLabel, actual.m_chNextLabel, out);
        Compare("m_chLabelSuffix", expected.m_chLabelSuffix, actual.m_chLabelSuffix, out);
    }
    Compare("m_nNextLineId", expected.m_nNextLineId, actual.m_nNextLineId, out);
    Compare("m_nNextFaceId", expected.m_nNextFaceId, actual.m_nNextFaceId, out);
    Compare("m_nNextSolidId", expected.m_nNextSolidId, actual.m_nNextSolidId, out);
    Compare("m_nNextButtonId", expected.m_nNextButtonId, actual.m_nNextButtonId, out);
    Compare("m_nNextTextId", expected.m_nNextTextId, actual.m_nNextTextId, out);
    Compare("m_nComponentList", expected.m_nComponentList, actual.m_nComponentList, out);
    Compare("m_bClip", expected.m_bClip, actual.m_bClip, out);
    Compare("m_clipPlane", expected.m_clipPlane, actual.m_clipPlane, out);
    CompareMaps("line", expected.m_lines, actual.m_lines, out);
    CompareMaps("face", expected.m_faces, actual.m_faces, out);
    CompareMaps("solid", expected.m_solids, actual.m_solids, out);
    CompareMaps("button", expected.m_buttons, actual.m_buttons, out);
    CompareMaps("text", expected.m_texts, actual.m_texts, out);
    Compare("m_selPoints", expected.m_selPoints, actual.m_selPoints, out);
    Compare("m_selLines", expected.m_selLines, actual.m_selLines, out);
    Compare("m_selFaces", expected.m_selFaces, actual.m_selFaces, out);
    Compare("m_selSolids", expected.m_selSolids, actual.m_selSolids, out);
    Compare("m_selButtons", expected.m_selButtons, actual.m_selButtons, out);
    Compare("m_selTexts", expected.m_selTexts, actual.m_selTexts, out);
    Compare("m_bShowDots", expected.m_bShowDots, actual.m_bShowDots, out);
    Compare("m_translation", expected.m_translation, actual.m_translation, out);
    Compare("m_axisDir", expected.m_axisDir, actual.m_axisDir, out);
    Compare("m_axisPoint", expected.m_axisPoint, actual.m_axisPoint, out);
    Compare("m_fAngle", expected.m_fAngle, actual.m_fAngle, out);
    Compare("m_scaleFactors", expected.m_scaleFactors, actual.m_scaleFactors, out);
    return out;
}

::testing::AssertionResult PagesEqual(const CGpage& expected, const CGpage& actual,
                                      PageComparison options) {
    const std::vector<std::string> differences = PageDifferences(expected, actual, options);
    if (differences.empty()) {
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    for (const std::string& difference : differences) {
        failure << difference << "\n";
    }
    return failure;
}

std::unique_ptr<CGpage> CopyPage(const CGpage& page) {
    auto copy = std::make_unique<CGpage>();
    copy->m_nId = page.m_nId;
    copy->m_strName = page.m_strName;
    copy->m_nVertexCount = page.m_nVertexCount;
    copy->m_bFillFaces = page.m_bFillFaces;
    copy->m_nScheme = page.m_nScheme;
    copy->m_bPerspInThreeView = page.m_bPerspInThreeView;
    copy->m_pos = page.m_pos;
    copy->m_color = page.m_color;
    copy->m_label = page.m_label;
    copy->m_bShown = page.m_bShown;
    copy->m_chNextLabel = page.m_chNextLabel;
    copy->m_chLabelSuffix = page.m_chLabelSuffix;
    copy->m_nNextLineId = page.m_nNextLineId;
    copy->m_nNextFaceId = page.m_nNextFaceId;
    copy->m_nNextSolidId = page.m_nNextSolidId;
    copy->m_nNextButtonId = page.m_nNextButtonId;
    copy->m_nNextTextId = page.m_nNextTextId;
    copy->m_nComponentList = page.m_nComponentList;
    copy->m_bClip = page.m_bClip;
    copy->m_clipPlane = page.m_clipPlane;
    CopyMap(page.m_lines, copy->m_lines);
    CopyMap(page.m_faces, copy->m_faces);
    CopyMap(page.m_solids, copy->m_solids);
    CopyMap(page.m_buttons, copy->m_buttons);
    CopyMap(page.m_texts, copy->m_texts);
    copy->m_selPoints = page.m_selPoints;
    copy->m_selLines = page.m_selLines;
    copy->m_selFaces = page.m_selFaces;
    copy->m_selSolids = page.m_selSolids;
    copy->m_selButtons = page.m_selButtons;
    copy->m_selTexts = page.m_selTexts;
    copy->m_bShowDots = page.m_bShowDots;
    copy->m_translation = page.m_translation;
    copy->m_axisDir = page.m_axisDir;
    copy->m_axisPoint = page.m_axisPoint;
    copy->m_fAngle = page.m_fAngle;
    copy->m_scaleFactors = page.m_scaleFactors;
    return copy;
}

}  // namespace velnor::test
