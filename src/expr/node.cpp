#include "expr/node.h"

#include <utility>
#include <vector>

namespace velnor {

node::~node() {
    // Unlinks the subtrees onto a worklist before they die, so that each node is destroyed
    // childless and a deep tree never recurses.
    std::vector<std::unique_ptr<node>> pending;
    const auto adoptChildren = [&pending](node& parent) {
        if (parent.m_pLeft) {
            pending.push_back(std::move(parent.m_pLeft));
        }
        if (parent.m_pRight) {
            pending.push_back(std::move(parent.m_pRight));
        }
    };
    adoptChildren(*this);
    while (!pending.empty()) {
        std::unique_ptr<node> next = std::move(pending.back());
        pending.pop_back();
        adoptChildren(*next);
    }
}

double node::Eval() const {
    struct Step {
        const node* pNode;
        bool bChildrenDone;
    };
    std::vector<Step> steps{{this, false}};
    std::vector<double> values;
    const auto popValue = [&values] {
        const double value = values.back();
        values.pop_back();
        return value;
    };
    while (!steps.empty()) {
        const Step step = steps.back();
        steps.pop_back();
        const node& current = *step.pNode;
        if (!step.bChildrenDone) {
            steps.push_back({&current, true});
            // The right child is pushed last, so it is evaluated first.
            if (current.m_pLeft) {
                steps.push_back({current.m_pLeft.get(), false});
            }
            if (current.m_pRight) {
                steps.push_back({current.m_pRight.get(), false});
            }
            continue;
        }
        const double left = current.m_pLeft ? popValue() : 0.0;
        const double right = current.m_pRight ? popValue() : 0.0;
        values.push_back(current.Apply(left, right));
    }
    return values.back();
}

}  // namespace velnor
