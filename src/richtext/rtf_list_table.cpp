#include "richtext/rtf_list_table.h"

#include <algorithm>

namespace velnor {

namespace {

// Lists nest at most nine levels deep.
constexpr int kMaxLevel = 8;
constexpr QChar kLastLevelPlaceholder = QChar(kMaxLevel);

enum NumberFormat {
    kDecimal = 0,
    kUpperRoman = 1,
    kLowerRoman = 2,
    kUpperLetter = 3,
    kLowerLetter = 4,
    kBullet = 23,
    kNoNumber = 255,
};

bool IsPlaceholder(QChar c) {
    return c <= kLastLevelPlaceholder;
}

QTextListFormat::Style BulletStyleOf(const QString& text) {
    const QChar bullet = text.isEmpty() ? QChar(u'\u2022') : text.front();
    if (bullet == u'o' || bullet == u'\u25E6' || bullet == u'\u25CB') {
        return QTextListFormat::ListCircle;
    }
    if (bullet == u'\u25A0' || bullet == u'\u25AA' || bullet == u'\u00A7') {
        return QTextListFormat::ListSquare;
    }
    return QTextListFormat::ListDisc;
}

QTextListFormat::Style NumberStyleOf(int numberFormat) {
    switch (numberFormat) {
        case kUpperRoman:
            return QTextListFormat::ListUpperRoman;
        case kLowerRoman:
            return QTextListFormat::ListLowerRoman;
        case kUpperLetter:
            return QTextListFormat::ListUpperAlpha;
        case kLowerLetter:
            return QTextListFormat::ListLowerAlpha;
        default:
            // Ordinals, Chinese counting and the rest are shown as plain numbers.
            return QTextListFormat::ListDecimal;
    }
}

}  // namespace

void RtfListTable::ApplyListWord(const RtfControlWord& control) {
    const std::string_view word = control.word;
    if (word == "list") {
        m_lists.emplace_back();
    } else if (word == "listlevel" && !m_lists.empty() &&
               m_lists.back().levels.size() <= kMaxLevel) {
        m_lists.back().levels.emplace_back();
    } else if (word == "levelnfc" || word == "levelnfcn") {
        if (Level* level = CurrentLevel()) {
            level->numberFormat = control.Clamped(0, kNoNumber);
        }
    } else if (word == "listid" && !m_lists.empty()) {
        m_lists.back().id = control.number;
    }
}

void RtfListTable::FinishLevelText() {
    if (Level* level = CurrentLevel(); level != nullptr && level->text.isEmpty()) {
        level->text = m_levelText.mid(1);
    }
    m_levelText.clear();
}

void RtfListTable::ApplyOverrideWord(const RtfControlWord& control) {
    const std::string_view word = control.word;
    if (word == "listoverride") {
        m_overrides.emplace_back();
    } else if (word == "listid" && !m_overrides.empty()) {
        m_overrides.back().list = control.number;
    } else if (word == "ls" && !m_overrides.empty()) {
        m_overrides.back().number = control.Index();
    }
}

std::optional<QTextListFormat> RtfListTable::FormatOf(int override, int level) const {
    const int shownLevel = std::clamp(level, 0, kMaxLevel);
    QTextListFormat format;
    format.setIndent(shownLevel + 1);
    const List* list = ListOf(override);
    if (list == nullptr || list->levels.empty()) {
        format.setStyle(QTextListFormat::ListDisc);
        return format;
    }
    const Level& found = list->levels[std::min<size_t>(shownLevel, list->levels.size() - 1)];
    if (found.numberFormat == kNoNumber) {
        return std::nullopt;
    }
    if (found.numberFormat == kBullet) {
        format.setStyle(BulletStyleOf(found.text));
        return format;
    }
    format.setStyle(NumberStyleOf(found.numberFormat));
    // Qt shows one number per item: the text before the first level's number and after the
    // last one go around it.
    const auto first = std::find_if(found.text.begin(), found.text.end(), IsPlaceholder);
    const auto last = std::find_if(found.text.rbegin(), found.text.rend(), IsPlaceholder);
    if (first != found.text.end()) {
        format.setNumberPrefix(QString(found.text.begin(), first - found.text.begin()));
        format.setNumberSuffix(QString(last.base(), found.text.end() - last.base()));
    }
    return format;
}

RtfListTable::Level* RtfListTable::CurrentLevel() {
    if (m_lists.empty() || m_lists.back().levels.empty()) {
        return nullptr;
    }
    return &m_lists.back().levels.back();
}

const RtfListTable::List* RtfListTable::ListOf(int override) const {
    const auto found = std::find_if(m_overrides.begin(), m_overrides.end(),
                                    [&](const Override& o) { return o.number == override; });
    if (found == m_overrides.end()) {
        return nullptr;
    }
    const auto list = std::find_if(m_lists.begin(), m_lists.end(),
                                   [&](const List& l) { return l.id == found->list; });
    return list == m_lists.end() ? nullptr : &*list;
}

}  // namespace velnor
