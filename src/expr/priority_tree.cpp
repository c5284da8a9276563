#include "expr/priority_tree.h"

#include <utility>

namespace velnor {

void CPriorityTree::Insert(std::unique_ptr<node> newNode) {
    size_t lowerCount = m_rightChain.size();
    while (lowerCount > 0 && m_rightChain[lowerCount - 1]->m_nPriority >= newNode->m_nPriority) {
        --lowerCount;
    }
    std::unique_ptr<node>& place =
        lowerCount == 0 ? m_pRoot : m_rightChain[lowerCount - 1]->m_pRight;
    newNode->m_pLeft = std::move(place);
    m_rightChain.resize(lowerCount);
    m_rightChain.push_back(newNode.get());
    place = std::move(newNode);
}

std::unique_ptr<node> CPriorityTree::Release() {
    m_rightChain.clear();
    return std::move(m_pRoot);
}

}  // namespace velnor
