#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "expr/expression.h"
#include "expression_test_support.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

using test::CompileAndEvaluate;

TEST(ExprPrecedence, ProductsBindTighterThanSumsAndPowersTighterThanProducts) {
    EXPECT_EQ(CompileAndEvaluate("x:1+2*3"), 7.0);
    EXPECT_EQ(CompileAndEvaluate("x:2*3+1"), 7.0);
    EXPECT_EQ(CompileAndEvaluate("x:2*3^2"), 18.0);
    EXPECT_EQ(CompileAndEvaluate("x:3^2*2"), 18.0);
    EXPECT_EQ(CompileAndEvaluate("x:1+2^3*2-1"), 16.0);
    EXPECT_EQ(CompileAndEvaluate("x:10-7%4"), 7.0);
    EXPECT_EQ(CompileAndEvaluate("x:(1+2)*3"), 9.0);
    EXPECT_EQ(CompileAndEvaluate("x:2^(1+1)^3"), 64.0);
}

TEST(ExprPrecedence, OperatorsOfEqualRankGroupLeft) {
    EXPECT_EQ(CompileAndEvaluate("x:10-3-2"), 5.0);
    EXPECT_EQ(CompileAndEvaluate("x:64/8/2"), 4.0);
    EXPECT_EQ(CompileAndEvaluate("x:12/3*2"), 8.0);
    EXPECT_EQ(CompileAndEvaluate("x:2*7%4"), 2.0);
    EXPECT_EQ(CompileAndEvaluate("x:10-3+2"), 9.0);
    EXPECT_EQ(CompileAndEvaluate("x:2^2^3"), 64.0);
    EXPECT_EQ(CompileAndEvaluate("x:10-(3-2)"), 9.0);
}

TEST(ExprPrecedence, LeadingMinusMultipliesByMinusOne) {
    EXPECT_EQ(CompileAndEvaluate("x:-2*3"), -6.0);
    EXPECT_EQ(CompileAndEvaluate("x:-2^2"), -4.0);
    EXPECT_EQ(CompileAndEvaluate("x:(-2)^2"), 4.0);
    EXPECT_EQ(CompileAndEvaluate("x:-x+5", 2), 3.0);
    EXPECT_EQ(CompileAndEvaluate("x:-(x+5)", 2), -7.0);
    EXPECT_EQ(CompileAndEvaluate("x:3*(-x)^2", 2), 12.0);
    EXPECT_EQ(CompileAndEvaluate("x:+x-1", 2), 1.0);
    EXPECT_EQ(CompileAndEvaluate("x:-(-(-x))", 2), -2.0);
    EXPECT_EQ(CompileAndEvaluate("x:-8/2/2"), -2.0);
}

TEST(ExprPrecedence, FunctionsTakeTheirParenthesisedArgumentOnly) {
    const double x = 0.6;
    EXPECT_EQ(CompileAndEvaluate("x:sin(x)^2", x), std::pow(std::sin(x), 2));
    EXPECT_EQ(CompileAndEvaluate("x:sinx^2", x), std::pow(std::sin(x), 2));
    EXPECT_EQ(CompileAndEvaluate("x:2*cos(x)+1", x), 2 * std::cos(x) + 1);
    EXPECT_EQ(CompileAndEvaluate("x:sqrt(x+1)*2", x), std::sqrt(x + 1) * 2);
    EXPECT_EQ(CompileAndEvaluate("x:sin(cos(x))", x), std::sin(std::cos(x)));
    EXPECT_EQ(CompileAndEvaluate("x:-sin(x)", x), -std::sin(x));
    EXPECT_EQ(CompileAndEvaluate("x:2^sin(x)", x), std::pow(2, std::sin(x)));
}

TEST(ExprFunctions, EveryFunctionUsesTheLibraryFunctionOfItsName) {
    const double x = 0.35;
    EXPECT_EQ(CompileAndEvaluate("x:tan(x)", x), std::tan(x));
    EXPECT_EQ(CompileAndEvaluate("x:cot(x)", x), 1 / std::tan(x));
    EXPECT_EQ(CompileAndEvaluate("x:abs(x-1)", x), 1 - x);
    EXPECT_EQ(CompileAndEvaluate("x:lg(x)", x), std::log10(x));
    EXPECT_EQ(CompileAndEvaluate("x:ln(x)", x), std::log(x));
    EXPECT_EQ(CompileAndEvaluate("x:exp(x)", x), std::exp(x));
    EXPECT_EQ(CompileAndEvaluate("x:arcsin(x)", x), std::asin(x));
    EXPECT_EQ(CompileAndEvaluate("x:arccos(x)", x), std::acos(x));
    EXPECT_EQ(CompileAndEvaluate("x:arctan(x)", x), std::atan(x));
    EXPECT_EQ(CompileAndEvaluate("x:sinh(x)", x), std::sinh(x));
    EXPECT_EQ(CompileAndEvaluate("x:cosh(x)", x), std::cosh(x));
    EXPECT_EQ(CompileAndEvaluate("x:tanh(x)", x), std::tanh(x));
    EXPECT_EQ(CompileAndEvaluate("x:sgn(x)", x), 1.0);
    EXPECT_EQ(CompileAndEvaluate("x:sgn(x)", -x), -1.0);
    EXPECT_EQ(CompileAndEvaluate("x:e"), 2.718281828459045);
}

TEST(ExprFunctions, IntIsDefinedBeyondTheRangeOfAnInteger) {
    EXPECT_EQ(CompileAndEvaluate("x:int(x)", 1e20), 1e20);
    EXPECT_EQ(CompileAndEvaluate("x:int(x)", -1e20), -1e20 - 1);
    EXPECT_EQ(CompileAndEvaluate("x:int(x)", 4294967296.5), 4294967296.0);
    EXPECT_TRUE(std::isnan(CompileAndEvaluate("x:int(x)", std::nan(""))));
    EXPECT_EQ(CompileAndEvaluate("x:int(x)", -std::numeric_limits<double>::infinity()),
              -std::numeric_limits<double>::infinity());
    EXPECT_FALSE(std::signbit(CompileAndEvaluate("x:int(x)", -0.0)));
}

TEST(ExprFunctions, DomainErrorsAndDivisionByZeroPropagate) {
    EXPECT_TRUE(std::isnan(CompileAndEvaluate("x:sqrt(-1)+1")));
    EXPECT_TRUE(std::isnan(CompileAndEvaluate("x:5%0")));
    EXPECT_EQ(CompileAndEvaluate("x:1/x", 0.0), std::numeric_limits<double>::infinity());
    EXPECT_EQ(CompileAndEvaluate("x:-1/x", 0.0), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(CompileAndEvaluate("x:ln(0)"), -std::numeric_limits<double>::infinity());
}

TEST(ExprVariables, SixSlotsInDeclarationOrderWhateverTheSeparators) {
    CExpression expression;
    ASSERT_EQ(expression.Compile("a b;c#d,f g:a+10b+100c+1000d+10000f+100000g"), 1);
    EXPECT_EQ(expression.ErrorCode(), 0);
    EXPECT_EQ(expression.Evaluate(1, 2, 3, 4, 5, 6), 654321.0);
    EXPECT_EQ(expression.Evaluate(0, 0, 0, 0, 0, 1), 100000.0);
}

TEST(ExprVariables, PAndEAreConstantsEvenWhenDeclared) {
    EXPECT_EQ(CompileAndEvaluate("p,e:p+e", 100, 200), 3.141592653589793 + 2.718281828459045);
}

TEST(ExprVariables, CapitalLettersNameTheSameVariables) {
    EXPECT_EQ(CompileAndEvaluate("X,Y:x+10Y", 1, 2), 21.0);
}

TEST(ExprVariables, AnExpressionIsEvaluatedAgainWithNewValues) {
    CExpression expression;
    ASSERT_EQ(expression.Compile("x,y:x^2+y"), 1);
    EXPECT_EQ(expression.Evaluate(3, 1, 0, 0, 0, 0), 10.0);
    EXPECT_EQ(expression.Evaluate(-2, 0.5, 0, 0, 0, 0), 4.5);
}

TEST(ExprVariables, RecompilingStartsFromNoVariables) {
    test::RecordingMessages messages;
    CExpression expression;
    ASSERT_EQ(expression.Compile("a,b,c,d:a"), 1);
    ASSERT_EQ(expression.Compile("x,y,z:z"), 1);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(expression.ErrorCode(), 0);
    EXPECT_EQ(expression.Evaluate(1, 2, 3, 0, 0, 0), 3.0);
}

TEST(ExprNumbers, NumbersReadAsDecimalsWhateverTheirSize) {
    EXPECT_EQ(CompileAndEvaluate("x:0.1+.2"), 0.1 + 0.2);
    EXPECT_EQ(CompileAndEvaluate("x:007.50"), 7.5);
    EXPECT_EQ(CompileAndEvaluate("x:1" + std::string(400, '0')),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(CompileAndEvaluate("x:0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(CompileAndEvaluate("x:123456789012345678901234567890"), 1.2345678901234568e29);
}

TEST(ExprErrors, UnknownNamesAndLettersAreRecordedButNotFatal) {
    CExpression expression;
    ASSERT_EQ(expression.Compile("x:foo(x)+1"), 1);
    EXPECT_EQ(expression.ErrorCode(), CExpression::kUnknownFunction);
    EXPECT_EQ(expression.Evaluate(2, 0, 0, 0, 0, 0), 3.0);
    ASSERT_EQ(expression.Compile("x:2*bar(x+1)^2"), 1);
    EXPECT_EQ(expression.Evaluate(2, 0, 0, 0, 0, 0), 18.0);
    ASSERT_EQ(expression.Compile("x:sin(x)"), 1);
    EXPECT_EQ(expression.ErrorCode(), 0);
}

TEST(ExprErrors, AnUncompiledExpressionEvaluatesToNaN) {
    CExpression expression;
    EXPECT_TRUE(std::isnan(expression.Evaluate(1, 2, 3, 4, 5, 6)));
    EXPECT_EQ(expression.Compile("x:2*-3"), 0);
    EXPECT_TRUE(std::isnan(expression.Evaluate(1, 2, 3, 4, 5, 6)));
}

}  // namespace
}  // namespace velnor
