#pragma once

#include <memory>
#include <vector>

#include "expr/node.h"

namespace velnor {

// Grows an expression tree from nodes given left to right by insertion on priorities: a new node
// walks down the chain of right children from the root past every node of lower priority; it
// fills the empty place at the end of the chain, or it displaces the first node whose priority is
// not lower and takes that node as its left child. Equal priorities therefore group to the left.
class CPriorityTree {
public:
    void Insert(std::unique_ptr<node> newNode);
    std::unique_ptr<node> Release();

private:
    std::unique_ptr<node> m_pRoot;
    // The chain of right children from the root. Its priorities rise strictly downwards, so a new
    // node's place is found from the bottom, and each insertion costs amortised constant time
    // however long the formula.
    std::vector<node*> m_rightChain;
};

}  // namespace velnor
