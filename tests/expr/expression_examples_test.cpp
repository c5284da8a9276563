#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expr/expression.h"
#include "expression_test_support.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

using test::CompileAndEvaluate;
using test::Compiles;

TEST(ExprExamples, TheCalculatorsFirstFormulaGivesEight) {
    EXPECT_EQ(CompileAndEvaluate("x,y:sin(p/2)+x+3y", 1, 2), 8.0);
}

TEST(ExprExamples, PowersGroupLeftAndMinusBindsLooserThanPower) {
    EXPECT_EQ(CompileAndEvaluate("x:2^3^2"), 64.0);
    EXPECT_EQ(CompileAndEvaluate("x:-x^2", 3), -9.0);
    EXPECT_EQ(CompileAndEvaluate("x:|x|", -4), 4.0);
}

TEST(ExprExamples, ImplicitArgumentsAndProductsMeanTheExplicitForms) {
    for (const double x : {-1.3, 0.0, 0.7, 2.0}) {
        EXPECT_EQ(CompileAndEvaluate("x:sinx", x), std::sin(x));
        EXPECT_EQ(CompileAndEvaluate("x:2x", x), 2 * x);
        EXPECT_EQ(CompileAndEvaluate("x:sin2x", x), std::sin(2 * x));
    }
}

TEST(ExprExamples, SignsAfterOperatorsAndBarePointsAreRejected) {
    EXPECT_FALSE(Compiles("x:2*-3"));
    EXPECT_FALSE(Compiles("x:2."));
    EXPECT_EQ(CompileAndEvaluate("x:(2*(-3))"), -6.0);
}

TEST(ExprExamples, RemainderKeepsTheSignOfTheDividend) {
    EXPECT_EQ(CompileAndEvaluate("x:7%3"), 1.0);
    EXPECT_EQ(CompileAndEvaluate("x:-7%3"), -1.0);
}

TEST(ExprExamples, IntStepsDownForNegativeArguments) {
    EXPECT_EQ(CompileAndEvaluate("x:int(-2)"), -3.0);
    EXPECT_EQ(CompileAndEvaluate("x:int(-0.5)"), -1.0);
    EXPECT_EQ(CompileAndEvaluate("x:int(2.7)"), 2.0);
    EXPECT_EQ(CompileAndEvaluate("x:int(-2.5)"), -3.0);
    EXPECT_EQ(CompileAndEvaluate("x:sgn(0)"), 0.0);
}

TEST(ExprExamples, AnUndeclaredLetterReadsTheFirstSlot) {
    CExpression expression;
    ASSERT_EQ(expression.Compile("x:z+1"), 1);
    EXPECT_EQ(expression.ErrorCode(), CExpression::kUndeclaredVariable);
    EXPECT_EQ(expression.Evaluate(5, 0, 0, 0, 0, 0), 6.0);
}

TEST(ExprExamples, AnUnknownFunctionLeavesItsArgument) {
    CExpression expression;
    ASSERT_EQ(expression.Compile("x:foo(x)"), 1);
    EXPECT_EQ(expression.ErrorCode(), CExpression::kUnknownFunction);
    EXPECT_EQ(expression.Evaluate(5, 0, 0, 0, 0, 0), 5.0);
}

TEST(ExprExamples, PiIsRejectedBecauseASingleLetterCannotBeCalled) {
    EXPECT_FALSE(Compiles("x:pi"));
    EXPECT_EQ(CompileAndEvaluate("x:p"), 3.141592653589793);
}

TEST(ExprExamples, EachLetterBeyondTheSixthIsRefusedOnceAndShowsNothingItself) {
    test::RecordingMessages messages;
    CExpression expression;
    ASSERT_EQ(expression.Compile("xyzuvwq:x"), 1);
    EXPECT_EQ(expression.Refusals(), std::vector<std::string>{"不能多于6个变量"});
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(expression.SymbolTable().DeclaredCount(), 6);
    EXPECT_EQ(expression.SymbolTable().Lookup('q'), CSymbol_table::kNotFound);
    EXPECT_EQ(expression.Evaluate(7, 0, 0, 0, 0, 0), 7.0);

    ASSERT_EQ(expression.Compile("a,b,c,d,f,g,h,i,j:a"), 1);
    EXPECT_EQ(expression.Refusals().size(), 3u);
    ASSERT_EQ(expression.Compile("x,y:x"), 1);
    EXPECT_TRUE(expression.Refusals().empty());
}

TEST(ExprExamples, EmptyTextsAndTextsWithoutAColonAreRejected) {
    test::RecordingMessages messages;
    EXPECT_FALSE(Compiles(""));
    EXPECT_FALSE(Compiles("x+1"));
    EXPECT_FALSE(Compiles("x:"));
    EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
}  // namespace velnor
