#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "expr/calculator.h"

namespace velnor {
namespace {

TEST(Calculator, StartsWithTheSampleFormulaAndItsResult) {
    const CCalculator calculator;
    EXPECT_EQ(calculator.Formula(), "sin(p/2)+x+3y");
    EXPECT_EQ(calculator.X(), 1.0);
    EXPECT_EQ(calculator.Y(), 2.0);
    EXPECT_EQ(calculator.Result(), "8");
}

TEST(Calculator, RecomputesWhenTheFormulaOrAValueChanges) {
    CCalculator calculator;
    calculator.SetFormula("x/y");
    EXPECT_EQ(calculator.Result(), "0.5");
    calculator.SetX(3);
    EXPECT_EQ(calculator.Result(), "1.5");
    calculator.SetY(-4);
    EXPECT_EQ(calculator.Result(), "-0.75");
}

TEST(Calculator, ARejectedFormulaShowsNoResult) {
    CCalculator calculator;
    calculator.SetFormula("2*-3");
    EXPECT_EQ(calculator.Result(), "");
    calculator.SetFormula("");
    EXPECT_EQ(calculator.Result(), "");
    calculator.SetFormula("x:y");
    EXPECT_EQ(calculator.Result(), "");
    calculator.SetFormula("x+y");
    EXPECT_EQ(calculator.Result(), "3");
}

TEST(Calculator, ResultsShowSixteenSignificantDigits) {
    CCalculator calculator;
    calculator.SetFormula("1/3");
    EXPECT_EQ(calculator.Result(), "0.3333333333333333");
    calculator.SetFormula("p");
    EXPECT_EQ(calculator.Result(), "3.141592653589793");
    calculator.SetFormula("2^60");
    EXPECT_EQ(calculator.Result(), "1.152921504606847e+18");
    calculator.SetFormula("10^-1");
    EXPECT_EQ(calculator.Result(), "");
    calculator.SetFormula("10^(-5)");
    EXPECT_EQ(calculator.Result(), "1e-05");
    calculator.SetFormula("0.1+0.2");
    EXPECT_EQ(calculator.Result(), "0.3");
}

TEST(Calculator, FormatsLikePrintfInTheCLocale) {
    for (const double value : {0.0, 8.0, -2.5, 1e15, 1e16, 123456.789, 1e-300, 6.02214076e23,
                               -0.000123456789012345678}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.16g", value);
        EXPECT_EQ(FormatCalculatorValue(value), expected) << value;
    }
}

TEST(Calculator, InfinitiesAndNaNStillShowAText) {
    EXPECT_EQ(FormatCalculatorValue(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(FormatCalculatorValue(-std::numeric_limits<double>::infinity()), "-inf");
    CCalculator calculator;
    calculator.SetFormula("sqrt(-x)");
    EXPECT_NE(calculator.Result().find("nan"), std::string::npos);
}

}  // namespace
}  // namespace velnor
