#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "expr/expression.h"
#include "expression_test_support.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

using test::CompileAndEvaluate;
using test::Compiles;

std::string Repeat(const std::string& text, int count) {
    std::string result;
    result.reserve(text.size() * count);
    for (int i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

// Equal bit for bit, or both NaN.
bool SameValue(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) ||
           std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

constexpr int kDeep = 100000;

TEST(ExprRobustness, DeeplyNestedParenthesesEvaluate) {
    EXPECT_EQ(CompileAndEvaluate("x:" + Repeat("(", kDeep) + "x" + Repeat(")", kDeep), 4), 4.0);
    EXPECT_FALSE(Compiles("x:" + Repeat("(", kDeep) + "x"));
    EXPECT_FALSE(Compiles("x:" + Repeat("(", kDeep)));
}

TEST(ExprRobustness, DeeplyNestedFunctionsEvaluate) {
    const double x = 0.5;
    double expected = x;
    for (int i = 0; i < kDeep; ++i) {
        expected = std::sin(expected);
    }
    EXPECT_EQ(CompileAndEvaluate("x:" + Repeat("sin(", kDeep) + "x" + Repeat(")", kDeep), x),
              expected);
    EXPECT_EQ(CompileAndEvaluate("x:" + Repeat("|", kDeep) + "x" + Repeat("|", kDeep), -3), 3.0);
    EXPECT_EQ(CompileAndEvaluate("x:" + Repeat("(-", kDeep + 1) + "x" + Repeat(")", kDeep + 1), 2),
              -2.0);
}

TEST(ExprRobustness, VeryLongChainsEvaluate) {
    constexpr int kTerms = 100000;
    EXPECT_EQ(CompileAndEvaluate("x:1" + Repeat("+1", kTerms - 1)), double(kTerms));
    EXPECT_EQ(CompileAndEvaluate("x:x" + Repeat("^(x", kTerms) + Repeat(")", kTerms), 1), 1.0);
    EXPECT_EQ(CompileAndEvaluate("x:" + Repeat("1*", kTerms) + "x", 3), 3.0);
    EXPECT_EQ(CompileAndEvaluate("x:" + Repeat("sin", kTerms) + "x", 3), 3.0);  // an unknown name
}

TEST(ExprRobustness, EveryByteIsAcceptedOnlyWhereTheLanguageAllowsIt) {
    test::RecordingMessages messages;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const bool isOperator = std::string("+-*/^%").find(c) != std::string::npos;
        const bool isLetter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        EXPECT_EQ(Compiles(std::string("x:x") + c + "1"), isOperator || isLetter) << byte;
        for (const std::string& text :
             {std::string(1, c), std::string("x:") + c, std::string(1, c) + ":x",
              std::string("x:sin") + c, std::string("x:(") + c + ")", std::string(3, c)}) {
            CExpression expression;
            if (expression.Compile(text) == 1) {
                expression.Evaluate(1, 2, 3, 4, 5, 6);
            }
        }
    }
}

// Random texts from the characters of the language, a few function names and stray bytes.
std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> kPieces = {
        "x", "y", "z",   "p",   "e",    "0",  "1",      "2",   "9",    ".", "+",
        "-", "*", "/",   "^",   "%",    "(",  ")",      "(",   ")",    "|", ":",
        " ", "X", "sin", "int", "sqrt", "lg", "arctan", "foo", "\xB5", "\0"};
    std::uniform_int_distribution<size_t> length(0, 40);
    std::uniform_int_distribution<size_t> piece(0, kPieces.size());
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text = random() % 4 == 0 ? "" : "x,y:";
    for (size_t n = length(random); n > 0; --n) {
        const size_t pick = piece(random);
        text += pick < kPieces.size() ? kPieces[pick] : std::string(1, char(byte(random)));
    }
    return text;
}

TEST(ExprRobustness, RandomTextsNeverCrashAndParenthesesAroundAllChangeNothing) {
    test::RecordingMessages messages;
    std::mt19937 random(20261207);
    int compiled = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string text = RandomText(random);
        const size_t colon = text.find(':');
        const std::string wrapped = colon == std::string::npos ? text
                                                               : text.substr(0, colon + 1) + "(" +
                                                                     text.substr(colon + 1) + ")";
        CExpression plain;
        CExpression inParentheses;
        const int wrappedResult = inParentheses.Compile(wrapped);
        if (plain.Compile(text) == 1) {
            ++compiled;
            ASSERT_EQ(wrappedResult, 1) << text;
            const double value = plain.Evaluate(0.75, -2, 0, 0, 0, 0);
            ASSERT_TRUE(SameValue(value, inParentheses.Evaluate(0.75, -2, 0, 0, 0, 0))) << text;
        }
    }
    EXPECT_GT(compiled, 100);  // the texts reach the evaluator often enough to exercise it
}

// A random formula in x, fully parenthesised, with its value computed alongside.
struct Formula {
    std::string text;
    double value;
};

Formula RandomFormula(std::mt19937& random, double x, int depth) {
    const int kind = depth == 0 ? random() % 2 : random() % 5;
    if (kind == 0) {
        const int digit = random() % 10;
        return {std::to_string(digit), double(digit)};
    }
    if (kind == 1) {
        return {"x", x};
    }
    const Formula a = RandomFormula(random, x, depth - 1);
    if (kind == 2) {
        return {"(-" + a.text + ")", -a.value};
    }
    if (kind == 3) {
        return {"sin(" + a.text + ")", std::sin(a.value)};
    }
    const Formula b = RandomFormula(random, x, depth - 1);
    switch (random() % 6) {
        case 0:
            return {"(" + a.text + "+" + b.text + ")", a.value + b.value};
        case 1:
            return {"(" + a.text + "-" + b.text + ")", a.value - b.value};
        case 2:
            return {"(" + a.text + "*" + b.text + ")", a.value * b.value};
        case 3:
            return {"(" + a.text + "/" + b.text + ")", a.value / b.value};
        case 4:
            return {"(" + a.text + "^" + b.text + ")", std::pow(a.value, b.value)};
        default:
            return {"(" + a.text + "%" + b.text + ")", std::fmod(a.value, b.value)};
    }
}

TEST(ExprRobustness, RandomParenthesisedFormulasHaveTheirComputedValues) {
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const double x = std::uniform_real_distribution<double>(-3, 3)(random);
        const Formula formula = RandomFormula(random, x, 6);
        ASSERT_TRUE(SameValue(CompileAndEvaluate("x:" + formula.text, x), formula.value))
            << formula.text;
    }
}

// Folds a flat chain of numbers and operators rank by rank, each rank from the left.
double FoldByRank(std::vector<double> values, std::vector<char> operators) {
    for (const std::string rank : {"^", "*/%", "+-"}) {
        for (size_t i = 0; i < operators.size();) {
            if (rank.find(operators[i]) == std::string::npos) {
                ++i;
                continue;
            }
            const double a = values[i];
            const double b = values[i + 1];
            const char op = operators[i];
            values[i] = op == '^'   ? std::pow(a, b)
                        : op == '*' ? a * b
                        : op == '/' ? a / b
                        : op == '%' ? std::fmod(a, b)
                        : op == '+' ? a + b
                                    : a - b;
            values.erase(values.begin() + i + 1);
            operators.erase(operators.begin() + i);
        }
    }
    return values[0];
}

TEST(ExprPrecedence, RandomChainsWithoutParenthesesFollowTheRanks) {
    std::mt19937 random(11);
    const std::string kOperators = "+-*/^%";
    for (int round = 0; round < 5000; ++round) {
        std::vector<double> values{double(1 + random() % 9)};
        std::vector<char> operators;
        std::string text = "x:" + std::to_string(int(values[0]));
        for (int n = random() % 8; n > 0; --n) {
            operators.push_back(kOperators[random() % kOperators.size()]);
            values.push_back(double(1 + random() % 9));
            text += operators.back() + std::to_string(int(values.back()));
        }
        ASSERT_TRUE(SameValue(CompileAndEvaluate(text), FoldByRank(values, operators))) << text;
    }
}

}  // namespace
}  // namespace velnor
