#pragma once

#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

namespace velnor {

// Shown when a map of the page has no free key left for a new cell.
inline constexpr const char* kPageFullMessage = "本页图元数已达界限,请新建一页";
// Shown when the page has no room for the buttons a command would add.
inline constexpr const char* kButtonLimitMessage = "本页按钮数已达界限,请新建一页";

// Keys of a map run from its first key (1, or 3024 for buttons) to 65535.
constexpr int KeyRange(uint16_t first) {
    return 65536 - first;
}

// How many keys of the range no cell of the map holds.
template <typename Map>
int FreeKeyCount(const Map& map, uint16_t first) {
    return KeyRange(first) - static_cast<int>(std::distance(map.lower_bound(first), map.end()));
}

// The key a new cell takes: the counter's value, or the first key after it that no cell holds,
// wrapping from 65535 round to the first key. A counter outside the range starts at the first
// key. Nothing when every key is in use: a new cell never replaces one that is there.
template <typename Map>
std::optional<uint16_t> FreeKey(const Map& map, uint16_t counter, uint16_t first) {
    if (FreeKeyCount(map, first) <= 0) {
        return std::nullopt;
    }
    uint16_t key = counter < first ? first : counter;
    while (map.contains(key)) {
        key = key == UINT16_MAX ? first : static_cast<uint16_t>(key + 1);
    }
    return key;
}

// One key handed to a new cell and the counter's value before it.
struct KeyGrant {
    uint16_t key = 0;
    uint16_t counterBefore = 0;
};

// The keys a page handed to new cells of one map since an addition was last recorded. The
// command that records an addition takes its keys from here, so that undo takes back exactly
// those cells and puts the counter back, even where keys in use were skipped.
class CKeyGrants {
public:
    void Add(KeyGrant grant) { m_grants.push_back(grant); }
    void Clear() { m_grants.clear(); }
    // The last `count` grants (fewer when fewer were made), oldest first; the rest are forgotten.
    std::vector<KeyGrant> Take(int count);
    std::optional<KeyGrant> TakeLast();

private:
    std::vector<KeyGrant> m_grants;
};

}  // namespace velnor
