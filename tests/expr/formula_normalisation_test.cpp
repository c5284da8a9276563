#include <gtest/gtest.h>

#include "expr/formula_normalisation.h"

namespace velnor {
namespace {

TEST(ExprNormalisation, BlanksGoAndCapitalsBecomeSmall) {
    EXPECT_EQ(NormaliseFormula(" X , Y : SIN ( P / 2 ) "), "x,y:sin(p/2)");
    EXPECT_EQ(NormaliseFormula("x:\t1"), "x:\t1");  // only the blank itself is removed
}

TEST(ExprNormalisation, ANameBeforeANumberTakesTheNumberAndOneLetter) {
    EXPECT_EQ(NormaliseFormula("x:sin30"), "x:sin(30)");
    EXPECT_EQ(NormaliseFormula("x:sin2x"), "x:sin(2*x)");
    EXPECT_EQ(NormaliseFormula("x:cos1.5+1"), "x:cos(1.5)+1");
    EXPECT_EQ(NormaliseFormula("x:sin2xy"), "x:sin(2*x)y");
}

TEST(ExprNormalisation, ANameBeforeAnythingElseTakesItsLastLetter) {
    EXPECT_EQ(NormaliseFormula("x:sinx"), "x:sin(x)");
    EXPECT_EQ(NormaliseFormula("x:sinx+1"), "x:sin(x)+1");
    EXPECT_EQ(NormaliseFormula("x:sinx^2"), "x:sin(x)^2");
    EXPECT_EQ(NormaliseFormula("x:ab"), "x:a(b)");
    EXPECT_EQ(NormaliseFormula("xyzuvwq:x"), "xyzuvw(q):x");
}

TEST(ExprNormalisation, SingleLettersAndCallsStayAsTheyAre) {
    EXPECT_EQ(NormaliseFormula("x:x+sin(x)"), "x:x+sin(x)");
    EXPECT_EQ(NormaliseFormula("x,y:x*y"), "x,y:x*y");
}

TEST(ExprNormalisation, ANumberBeforeALetterMultipliesIt) {
    EXPECT_EQ(NormaliseFormula("x,y:3y"), "x,y:3*y");
    EXPECT_EQ(NormaliseFormula("x:2sin(x)"), "x:2*sin(x)");
    EXPECT_EQ(NormaliseFormula("x:.5x"), "x:.5*x");
    EXPECT_EQ(NormaliseFormula("x:x2"), "x:x2");
}

TEST(ExprNormalisation, BarsOpenAndCloseAbsoluteValues) {
    EXPECT_EQ(NormaliseFormula("x,y:|x-1|+|y|"), "x,y:abs(x-1)+abs(y)");
    EXPECT_EQ(NormaliseFormula("|x|"), "abs(x)");
    EXPECT_EQ(NormaliseFormula("x:||x||"), "x:abs(abs(x))");
    EXPECT_EQ(NormaliseFormula("x:|(x)|"), "x:abs((x))");
}

TEST(ExprNormalisation, TheTextMayGrowBeyondThreeTimesItsLength) {
    const std::string bars(100, '|');
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        expected += "abs(";
    }
    EXPECT_EQ(NormaliseFormula(bars), expected);
}

}  // namespace
}  // namespace velnor
