#include "richtext/rtf_format_words.h"

namespace velnor {

namespace {

constexpr int kMaxHalfPoints = 3276;

bool IsUnderline(std::string_view word) {
    return word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "uldash" ||
           word == "ulwave" || word == "ulth";
}

}  // namespace

bool ApplyCharacterWord(const RtfControlWord& control, RtfCharState& chars) {
    const std::string_view word = control.word;
    if (word == "plain") {
        chars = RtfCharState{};
    } else if (word == "b") {
        chars.bold = control.On();
    } else if (word == "i") {
        chars.italic = control.On();
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (IsUnderline(word)) {
        chars.underline = control.On();
    } else if (word == "strike" || word == "striked") {
        chars.strike = control.On();
    } else if (word == "f") {
        chars.font = control.Index();
    } else if (word == "fs") {
        chars.halfPoints = control.number > 0 ? control.Clamped(2, kMaxHalfPoints) : 24;
    } else if (word == "cf") {
        chars.color = control.Index();
    } else if (word == "highlight" || word == "cb" || word == "chcbpat") {
        chars.background = control.Index();
    } else if (word == "super") {
        chars.vertical = 1;
    } else if (word == "sub") {
        chars.vertical = -1;
    } else if (word == "nosupersub") {
        chars.vertical = 0;
    } else {
        return false;
    }
    return true;
}

bool ApplyParagraphWord(const RtfControlWord& control, RtfParaState& para) {
    const std::string_view word = control.word;
    if (word == "pard") {
        para = RtfParaState{};
    } else if (word == "ql") {
        para.alignment = Qt::AlignLeft;
    } else if (word == "qc") {
        para.alignment = Qt::AlignHCenter;
    } else if (word == "qr") {
        para.alignment = Qt::AlignRight;
    } else if (word == "qj") {
        para.alignment = Qt::AlignJustify;
    } else if (word == "li") {
        para.left = control.Twips();
    } else if (word == "ri") {
        para.right = control.Twips();
    } else if (word == "fi") {
        para.first = control.Twips();
    } else if (word == "sb") {
        para.before = control.Twips();
    } else if (word == "sa") {
        para.after = control.Twips();
    } else if (word == "ls") {
        if (para.list == QTextListFormat::ListStyleUndefined) {
            para.list = QTextListFormat::ListDisc;
        }
    } else {
        return false;
    }
    return true;
}

}  // namespace velnor
