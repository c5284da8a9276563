#include "editing/pick_hits.h"

#include <algorithm>

#include "model/page.h"

namespace velnor {

namespace {

constexpr size_t kRecordHeader = 3;  // name count, min depth, max depth

template <typename Page>
auto& ListOfGroup(Page& page, int group) {
    switch (group) {
        case kPickVertices:
            return page.m_selPoints;
        case kPickLines:
            return page.m_selLines;
        case kPickFaces:
            return page.m_selFaces;
        default:
            return page.m_selSolids;
    }
}

bool IsKnownGroup(int group) {
    return group >= kPickVertices && group <= kPickSolids;
}

}  // namespace

std::vector<PickHit> ParseHitRecords(std::span<const uint32_t> buffer, int hitCount) {
    std::vector<PickHit> hits;
    size_t at = 0;
    for (int record = 0; record < hitCount; ++record) {
        if (at + kRecordHeader > buffer.size()) {
            break;
        }
        const size_t names = buffer[at];
        const size_t first = at + kRecordHeader;
        if (names > buffer.size() - first) {
            break;
        }
        if (names == 2) {
            const int group = static_cast<int>(buffer[first]);
            if (IsKnownGroup(group)) {
                hits.push_back({group, static_cast<int>(buffer[first + 1])});
            }
        }
        at = first + names;
    }
    return hits;
}

void ToggleKey(std::vector<int>& list, int key) {
    const auto found = std::find(list.begin(), list.end(), key);
    if (found != list.end()) {
        list.erase(found);
    } else {
        list.push_back(key);
    }
}

void ToggleSelectionByHits(CGpage& page, const std::vector<PickHit>& hits) {
    if (hits.empty()) {
        page.ClearSelection();
        return;
    }
    const int group = hits.front().group;
    std::vector<int>& list = ListOfGroup(page, group);
    std::optional<int> candidate;
    for (const PickHit& hit : hits) {
        if (hit.group != group) {
            continue;
        }
        const auto found = std::find(list.begin(), list.end(), hit.item);
        if (found != list.end()) {
            list.erase(found);
            candidate.reset();
        } else if (!candidate) {
            candidate = hit.item;
        }
    }
    if (candidate) {
        list.push_back(*candidate);
    }
}

bool ClickTakesAwaySelection(const CGpage& page, const std::vector<PickHit>& hits) {
    if (hits.empty()) {
        return page.HasSelection();
    }
    const int group = hits.front().group;
    const std::vector<int>& list = ListOfGroup(page, group);
    return std::any_of(hits.begin(), hits.end(), [&](const PickHit& hit) {
        return hit.group == group && std::find(list.begin(), list.end(), hit.item) != list.end();
    });
}

std::optional<uint16_t> ButtonHandleAt(const CGpage& page, int x, int y) {
    for (const auto& [key, button] : page.m_buttons) {
        const CRect& r = button->m_rect;
        if (!button->m_bHidden && r.left - 10 < x && x < r.left && r.top < y && y < r.bottom) {
            return key;
        }
    }
    return std::nullopt;
}

std::optional<uint16_t> TextAt(const CGpage& page, int x, int y,
                               const std::function<TextPlace(const CDTextCell&)>& placeOf) {
    for (const auto& [key, text] : page.m_texts) {
        if (text->m_bHidden) {
            continue;
        }
        const TextPlace at = placeOf(*text);
        if (at.x < x && x < at.x + 220 && at.baseline - 20 < y && y < at.baseline) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace velnor
