#include "editing/rich_text_cells.h"

#include <algorithm>
#include <memory>

#include "editing/cmd_add_cells.h"
#include "editing/cmd_modifi_ti.h"
#include "encoding/cp936.h"
#include "model/bit_text.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr size_t kLongestFullName = 5;
constexpr size_t kShortenedNameBytes = 4;

size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    return lead >= 0xC0 ? 2 : 1;
}

std::string OnOneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

void TakeText(CBitRtfText& cell, EditedText text) {
    cell.m_nWidth = text.width;
    cell.m_nHeight = text.height;
    cell.m_bits = std::move(text.bits);
    cell.m_strRtf = std::move(text.rtf);
    cell.m_nExtra1 = text.paragraphs;
    cell.m_nExtra2 = text.characters;
    cell.m_strName = RichTextName(text.plainText);
}

bool RefuseBlank(const EditedText& text) {
    if (IsBlankText(text.plainText)) {
        ShowMessage(kNoTextMessage);
        return true;
    }
    return false;
}

}  // namespace

bool IsBlankText(std::string_view utf8) {
    return std::all_of(utf8.begin(), utf8.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

std::string RichTextName(std::string_view plainText) {
    const std::string line = OnOneLine(plainText);
    if (Utf8ToCp936(line).size() <= kLongestFullName) {
        return "文本：" + line;
    }
    std::string kept;
    size_t keptBytes = 0;
    for (size_t i = 0; i < line.size();) {
        const size_t length = std::min(Utf8SequenceLength(line[i]), line.size() - i);
        const std::string_view character = std::string_view(line).substr(i, length);
        keptBytes += Utf8ToCp936(character).size();
        if (keptBytes > kShortenedNameBytes) {
            break;
        }
        kept += character;
        i += length;
    }
    return "文本：" + kept + "...";
}

std::optional<uint16_t> AddRichText(CPlomDoc& doc, EditedText text,
                                    std::optional<Float3> position) {
    if (RefuseBlank(text)) {
        return std::nullopt;
    }
    auto cell = std::make_unique<CBitRtfText>();
    TakeText(*cell, std::move(text));
    cell->m_color = doc.Settings().m_textColor;
    if (position) {
        cell->m_position = *position;
    }
    const uint16_t key = doc.CurrentPage().AddSolid(std::move(cell));
    if (key == 0) {
        return std::nullopt;
    }
    doc.CommandProcessor().AddCommand(std::make_unique<CCmdAddTis>(1, doc, "添加文本"));
    doc.Refresh(kHintSolids);
    return key;
}

bool ReplaceRichText(CPlomDoc& doc, uint16_t key, EditedText text) {
    CellMap<CSubassembly>& solids = doc.CurrentPage().m_solids;
    const auto found = solids.find(key);
    auto* cell = found == solids.end() ? nullptr : dynamic_cast<CBitRtfText*>(found->second.get());
    if (cell == nullptr || RefuseBlank(text)) {
        return false;
    }
    doc.CommandProcessor().AddCommand(
        std::make_unique<CCmdModifiTi>(key, doc, cell->Clone(), "修改文本"));
    TakeText(*cell, std::move(text));
    doc.Refresh(kHintSolids);
    return true;
}

}  // namespace velnor
