#include "model/cell_keys.h"

#include <algorithm>

namespace velnor {

std::vector<KeyGrant> CKeyGrants::Take(int count) {
    const auto taken = std::min<size_t>(static_cast<size_t>(std::max(count, 0)), m_grants.size());
    std::vector<KeyGrant> last(m_grants.end() - static_cast<std::ptrdiff_t>(taken), m_grants.end());
    m_grants.clear();
    return last;
}

std::optional<KeyGrant> CKeyGrants::TakeLast() {
    const std::vector<KeyGrant> last = Take(1);
    return last.empty() ? std::nullopt : std::optional(last.front());
}

}  // namespace velnor
