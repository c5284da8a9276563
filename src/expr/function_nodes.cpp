#include "expr/function_nodes.h"

#include <utility>

namespace velnor {

namespace {

template <typename Function>
std::unique_ptr<node> Make(int64_t priority) {
    return std::make_unique<Function>(priority);
}

using Factory = std::unique_ptr<node> (*)(int64_t);

constexpr std::pair<std::string_view, Factory> kFunctions[] = {
    {"sin", Make<sinnode>},       {"cos", Make<cosnode>},       {"tan", Make<tannode>},
    {"cot", Make<cotnode>},       {"sqrt", Make<sqrtnode>},     {"abs", Make<absnode>},
    {"lg", Make<lgnode>},         {"ln", Make<lnnode>},         {"exp", Make<expnode>},
    {"arcsin", Make<arcsinnode>}, {"arccos", Make<arccosnode>}, {"arctan", Make<arctannode>},
    {"int", Make<intnode>},       {"sgn", Make<sgnnode>},       {"sinh", Make<sinhnode>},
    {"cosh", Make<coshnode>},     {"tanh", Make<tanhnode>},
};

}  // namespace

double intnode::Apply(double, double argument) const {
    // Truncated as a double rather than through a 32-bit integer, so that large arguments and NaN
    // stay defined; "+ 0.0" gives int(-0) the result 0 rather than -0.
    const double whole = std::trunc(argument) + 0.0;
    return argument >= 0 ? whole : whole - 1.0;
}

std::unique_ptr<node> MakeFunctionNode(std::string_view name, int64_t priority) {
    for (const auto& [functionName, make] : kFunctions) {
        if (functionName == name) {
            return make(priority);
        }
    }
    return nullptr;
}

}  // namespace velnor
