#include "expr/operator_nodes.h"

namespace velnor {

std::unique_ptr<node> MakeOperatorNode(char symbol, int64_t priority) {
    switch (symbol) {
        case '+':
            return std::make_unique<plus>(priority);
        case '-':
            return std::make_unique<minus>(priority);
        case '*':
            return std::make_unique<multiply>(priority);
        case '/':
            return std::make_unique<divide>(priority);
        case '^':
            return std::make_unique<power>(priority);
        case '%':
            return std::make_unique<modnode>(priority);
        default:
            return nullptr;
    }
}

}  // namespace velnor
