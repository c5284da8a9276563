#include "richtext/rtf_row_definition.h"

#include <string_view>

namespace velnor {

namespace {

constexpr int kMaxBorderWidth = 255;

constexpr std::array<std::string_view, 4> kCellBorderWords = {"clbrdrt", "clbrdrl", "clbrdrb",
                                                              "clbrdrr"};

// Borders of paragraphs and rows: the \brdr words after them are not the cell's.
bool IsOtherBorderWord(std::string_view word) {
    return word == "brdrt" || word == "brdrl" || word == "brdrb" || word == "brdrr" ||
           word == "box" || word.starts_with("trbrdr");
}

}  // namespace

bool RtfRowDefinition::ApplyWord(const RtfControlWord& control) {
    const std::string_view word = control.word;
    if (word == "trowd") {
        *this = RtfRowDefinition{};
    } else if (word == "trleft") {
        m_nLeft = control.Twips();
    } else if (word == "cellx") {
        m_pending.right = control.Twips();
        if (m_cells.size() < kMaxCells) {
            m_cells.push_back(m_pending);
        }
        m_pending = RtfCellDefinition{};
        m_nSide = -1;
    } else if (word == "clmrg") {
        m_pending.mergedWithLeft = true;
    } else if (word == "clvmgf") {
        m_pending.firstOfVertical = true;
    } else if (word == "clvmrg") {
        m_pending.mergedWithAbove = true;
    } else {
        return ApplyBorderWord(control);
    }
    return true;
}

bool RtfRowDefinition::ApplyBorderWord(const RtfControlWord& control) {
    const std::string_view word = control.word;
    for (size_t side = 0; side < kCellBorderWords.size(); ++side) {
        if (word == kCellBorderWords[side]) {
            m_nSide = static_cast<int>(side);
            return true;
        }
    }
    if (IsOtherBorderWord(word)) {
        m_nSide = -1;
        return false;
    }
    if (!word.starts_with("brdr")) {
        return false;
    }
    if (m_nSide < 0) {
        return true;
    }
    RtfBorder& border = m_pending.borders[m_nSide];
    if (word == "brdrw") {
        border.width = control.Clamped(0, kMaxBorderWidth);
    } else if (word == "brdrcf") {
        border.color = control.Index();
    } else if (word != "brdrsp") {
        // Any line style shows the border; these two hide it.
        border.shown = word != "brdrnone" && word != "brdrtbl";
    }
    return true;
}

}  // namespace velnor
