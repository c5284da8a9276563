#pragma once

#include <gtest/gtest.h>

#include <string>

#include "expr/expression.h"

namespace velnor::test {

// Compiles the text, expects it to pass, and evaluates it with the given first two slots.
inline double CompileAndEvaluate(const std::string& text, double v0 = 0.0, double v1 = 0.0) {
    CExpression expression;
    EXPECT_EQ(expression.Compile(text), 1) << text;
    return expression.Evaluate(v0, v1, 0.0, 0.0, 0.0, 0.0);
}

inline bool Compiles(const std::string& text) {
    return CExpression().Compile(text) == 1;
}

}  // namespace velnor::test
