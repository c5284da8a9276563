#include "expr/formula_parser.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "expr/expression.h"
#include "expr/formula_characters.h"
#include "expr/function_nodes.h"
#include "expr/operator_nodes.h"
#include "expr/priority_tree.h"
#include "expr/symbol_table.h"
#include "expr/value_nodes.h"

namespace velnor {

namespace {

constexpr int kAdditivePriority = 1;
constexpr int kMultiplicativePriority = 2;
constexpr int kPowerPriority = 3;
constexpr int kFunctionPriority = 4;
constexpr int kOperandPriority = 8;
constexpr int kPriorityPerDepth = 10;

constexpr double kPi = 3.141592653589793;
constexpr double kE = 2.718281828459045;

int BasePriority(char binaryOperator) {
    switch (binaryOperator) {
        case '+':
        case '-':
            return kAdditivePriority;
        case '^':
            return kPowerPriority;
        default:
            return kMultiplicativePriority;
    }
}

// The value atof gives for a run of digits and points, but read the same under every locale.
double ReadNumber(std::string_view digits) {
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // Out of range is an overflow when the number is at least 1, an underflow otherwise.
        const std::string_view whole = digits.substr(0, digits.find('.'));
        const bool atLeastOne = whole.find_first_not_of('0') != std::string_view::npos;
        return atLeastOne ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

class CFormulaParser {
public:
    CFormulaParser(CSymbol_table& symbols, const CExpression& owner)
        : m_symbols(symbols), m_owner(owner) {}

    ParsedFormula Parse(std::string_view normalised) {
        const size_t colon = normalised.find(':');
        DeclareVariables(normalised.substr(0, colon));
        if (colon != std::string_view::npos) {
            // The ':' reads as '(', so the formula starts at depth 1.
            ParseFormulaText("(" + std::string(normalised.substr(colon + 1)));
        }
        return {m_tree.Release(), m_nError, m_nDroppedVariables};
    }

private:
    void DeclareVariables(std::string_view declarations) {
        for (const char c : declarations) {
            if (IsFormulaLetter(c) && !m_symbols.Declare(c)) {
                ++m_nDroppedVariables;
            }
        }
    }

    void ParseFormulaText(std::string_view formula) {
        size_t pos = 0;
        while (pos < formula.size()) {
            const char c = formula[pos];
            const bool afterOpen = pos > 0 && formula[pos - 1] == '(';
            if (c == '(' || c == ')') {
                m_nDepth += c == '(' ? 1 : -1;
                ++pos;
            } else if (IsNumberCharacter(c)) {
                const size_t end = EndOfRun(formula, pos, IsNumberCharacter);
                const double value = ReadNumber(formula.substr(pos, end - pos));
                m_tree.Insert(std::make_unique<constant>(value, Priority(kOperandPriority)));
                pos = end;
            } else if ((c == '+' || c == '-') && afterOpen) {
                if (c == '-') {
                    InsertNegation();
                }
                ++pos;
            } else if (IsBinaryOperator(c)) {
                m_tree.Insert(MakeOperatorNode(c, Priority(BasePriority(c))));
                ++pos;
            } else if (IsFormulaLetter(c)) {
                const size_t end = EndOfRun(formula, pos, IsFormulaLetter);
                InsertLetters(formula.substr(pos, end - pos));
                pos = end;
            } else {
                m_nError = CExpression::kUnexpectedCharacter;
                return;
            }
        }
    }

    // A leading minus multiplies by -1 at the priority of '*': -x^2 is -(x^2).
    void InsertNegation() {
        m_tree.Insert(std::make_unique<constant>(-1.0, Priority(kOperandPriority)));
        m_tree.Insert(std::make_unique<multiply>(Priority(kMultiplicativePriority)));
    }

    void InsertLetters(std::string_view letters) {
        if (letters.size() > 1) {
            InsertFunction(letters);
        } else if (letters[0] == 'p') {
            m_tree.Insert(std::make_unique<constant>(kPi, Priority(kOperandPriority)));
        } else if (letters[0] == 'e') {
            m_tree.Insert(std::make_unique<constant>(kE, Priority(kOperandPriority)));
        } else {
            InsertVariable(letters[0]);
        }
    }

    // An unknown name adds no node, so its argument stands in its place.
    void InsertFunction(std::string_view name) {
        std::unique_ptr<node> function = MakeFunctionNode(name, Priority(kFunctionPriority));
        if (!function) {
            m_nError = CExpression::kUnknownFunction;
            return;
        }
        m_tree.Insert(std::move(function));
    }

    // An undeclared letter reads slot 0.
    void InsertVariable(char name) {
        int slot = m_symbols.Lookup(name);
        if (slot == CSymbol_table::kNotFound) {
            m_nError = CExpression::kUndeclaredVariable;
            slot = 0;
        }
        m_tree.Insert(std::make_unique<variable>(slot, m_owner, Priority(kOperandPriority)));
    }

    int64_t Priority(int base) const { return base + kPriorityPerDepth * m_nDepth; }

    CSymbol_table& m_symbols;
    const CExpression& m_owner;
    CPriorityTree m_tree;
    int64_t m_nDepth = 0;
    int m_nError = 0;
    int m_nDroppedVariables = 0;
};

}  // namespace

ParsedFormula ParseFormula(std::string_view normalised, CSymbol_table& symbols,
                           const CExpression& owner) {
    return CFormulaParser(symbols, owner).Parse(normalised);
}

}  // namespace velnor
