#include "richtext/rtf_format_words.h"

#include <vector>

namespace velnor {

namespace {

constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxListLevel = 8;

bool IsUnderline(std::string_view word) {
    return word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "uldash" ||
           word == "ulwave" || word == "ulth";
}

// Words that set a property kept apart for Latin and East Asian text.
bool IsScriptFontWord(std::string_view word) {
    return word == "f" || word == "fs" || word == "b" || word == "i" || word == "ulnone" ||
           IsUnderline(word);
}

void ApplyScriptFontWord(const RtfControlWord& control, std::string_view word, RtfScriptFont& set) {
    if (word == "f") {
        set.font = control.Index();
    } else if (word == "fs") {
        set.halfPoints = control.number > 0 ? control.Clamped(2, kMaxHalfPoints) : 24;
    } else if (word == "b") {
        set.bold = control.On();
    } else if (word == "i") {
        set.italic = control.On();
    } else if (word == "ulnone") {
        set.underline = false;
    } else {
        set.underline = control.On();
    }
}

// \loch, \hich, \dbch, \rtlch and \ltrch say what kind of text follows.
bool ApplyScriptWord(std::string_view word, RtfCharState& chars) {
    if (word == "loch" || word == "hich") {
        chars.associated = chars.announced = RtfScript::kLatin;
    } else if (word == "dbch") {
        chars.associated = chars.announced = RtfScript::kEastAsian;
    } else if (word == "rtlch" || word == "ltrch") {
        chars.associated = RtfScript::kComplex;
    } else {
        return false;
    }
    return true;
}

RtfScriptFont* AssociatedSet(RtfCharState& chars) {
    switch (chars.associated) {
        case RtfScript::kEastAsian:
            return &chars.eastAsian;
        case RtfScript::kComplex:
            return nullptr;
        default:
            return &chars.latin;
    }
}

// A plain word sets both; only \f after \loch, \hich or \dbch keeps to the set they named,
// since writers give each set its own font in a row (\loch\f3\hich\af3\dbch\af5).
std::vector<RtfScriptFont*> SetsOfPlainWord(std::string_view word, RtfCharState& chars) {
    if (word == "f" && chars.announced == RtfScript::kLatin) {
        return {&chars.latin};
    }
    if (word == "f" && chars.announced == RtfScript::kEastAsian) {
        return {&chars.eastAsian};
    }
    return {&chars.latin, &chars.eastAsian};
}

}  // namespace

bool ApplyCharacterWord(const RtfControlWord& control, RtfCharState& chars) {
    const std::string_view word = control.word;
    if (ApplyScriptWord(word, chars)) {
        return true;
    }
    if (word.starts_with('a') && IsScriptFontWord(word.substr(1))) {
        if (RtfScriptFont* associated = AssociatedSet(chars)) {
            ApplyScriptFontWord(control, word.substr(1), *associated);
        }
        return true;
    }
    if (IsScriptFontWord(word)) {
        for (RtfScriptFont* set : SetsOfPlainWord(word, chars)) {
            ApplyScriptFontWord(control, word, *set);
        }
        return true;
    }
    if (word == "plain") {
        chars = RtfCharState{};
    } else if (word == "strike" || word == "striked") {
        chars.strike = control.On();
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
        para.listOverride = control.Index();
    } else if (word == "ilvl") {
        para.listLevel = control.Clamped(0, kMaxListLevel);
    } else {
        return false;
    }
    return true;
}

}  // namespace velnor
