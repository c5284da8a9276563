#pragma once

#include <cstdint>
#include <memory>

namespace velnor {

// A node of a compiled formula. Each kind computes its value from the values of its children;
// a function keeps its argument as its right child.
class node {
public:
    explicit node(int64_t priority) : m_nPriority(priority) {}
    virtual ~node();
    node(const node&) = delete;
    node& operator=(const node&) = delete;

    // The value of the subtree below this node, right child first. Walks the tree with its own
    // stack: a formula like 1+1+...+1 builds a chain far deeper than the call stack allows.
    double Eval() const;

    // Base priority plus ten for each open parenthesis. 64 bits, so that no depth of nesting
    // that fits in memory can overflow it.
    int64_t m_nPriority;
    std::unique_ptr<node> m_pLeft;
    std::unique_ptr<node> m_pRight;

private:
    // This node's value from its children's values; an absent child counts as 0.
    virtual double Apply(double left, double right) const = 0;
};

}  // namespace velnor
