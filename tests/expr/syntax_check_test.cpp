#include <gtest/gtest.h>

#include "expr/syntax_check.h"

namespace velnor {
namespace {

TEST(ExprSyntax, SignsStandOnlyAtTheStartOrAfterAnOpening) {
    EXPECT_TRUE(IsValidFormulaSyntax("x:-x"));
    EXPECT_TRUE(IsValidFormulaSyntax("x:+x"));
    EXPECT_TRUE(IsValidFormulaSyntax("x:2*(-3)"));
    EXPECT_TRUE(IsValidFormulaSyntax("x:sin(-x)"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:2*-3"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:2^-1"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:--x"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:-"));
}

TEST(ExprSyntax, NumbersNeedADigitAfterTheirPoint) {
    EXPECT_TRUE(IsValidFormulaSyntax("x:2.5"));
    EXPECT_TRUE(IsValidFormulaSyntax("x:.5"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:2."));
    EXPECT_FALSE(IsValidFormulaSyntax("x:2.+1"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:1.2.3"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:."));
}

TEST(ExprSyntax, OnlyNamesOfTwoOrMoreLettersAreCalled) {
    EXPECT_TRUE(IsValidFormulaSyntax("x:sin(x)"));
    EXPECT_TRUE(IsValidFormulaSyntax("x:anyname(x)"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:p(i)"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:sin"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:sin+1"));
}

TEST(ExprSyntax, OperandsNeedAnOperatorBetweenThem) {
    EXPECT_FALSE(IsValidFormulaSyntax("x:2(x)"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:(x)(x)"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:(x)2"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:x2"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:x+"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:x**x"));
    EXPECT_TRUE(IsValidFormulaSyntax("x:x%2^x/3"));
}

TEST(ExprSyntax, ParenthesesMustBalance) {
    EXPECT_TRUE(IsValidFormulaSyntax("x:((x))"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:(x"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:x)"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:()"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:(x))+(x"));
}

TEST(ExprSyntax, OnlyTheTextAfterTheFirstColonIsChecked) {
    EXPECT_TRUE(IsValidFormulaSyntax("x,y;#!:x"));
    EXPECT_FALSE(IsValidFormulaSyntax("x:y:x"));
    EXPECT_FALSE(IsValidFormulaSyntax("x"));
    EXPECT_FALSE(IsValidFormulaSyntax(""));
}

TEST(ExprSyntax, BytesOutsideTheLanguageAreRejected) {
    for (const char c : {'\0', '\t', '\xB5', '\xFF', '#', ',', '=', '|'}) {
        EXPECT_FALSE(IsValidFormulaSyntax(std::string("x:x") + c + "1")) << int(c);
    }
}

}  // namespace
}  // namespace velnor
