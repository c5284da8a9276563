#include <cstddef>
#include <cstdint>
#include <string>

#include "expr/calculator.h"
#include "expr/expression.h"

// Any bytes, as a whole text and as the calculator's formula, must compile or be refused and
// evaluate without a fault.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    velnor::CExpression expression;
    if (expression.Compile(text) == 1) {
        expression.Evaluate(1.5, -2.0, 0.0, 3.0, 1e300, -0.0);
    }
    velnor::CCalculator calculator;
    calculator.SetFormula(text);
    return 0;
}
