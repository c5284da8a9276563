#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "expr/node.h"
#include "expr/symbol_table.h"

namespace velnor {

// A formula in up to six one-letter variables, compiled once into a tree and evaluated any number
// of times. The text has two parts: the letters before the first ':' name the variables in order
// ("x,y:" makes x slot 0 and y slot 1), and the formula follows, e.g. "x,y:sin(p/2)+x+3y".
class CExpression {
public:
    // Error codes left by the parse. They do not stop the compilation.
    static constexpr int kUndeclaredVariable = 6;  // the letter reads slot 0
    static constexpr int kUnexpectedCharacter = 19;
    static constexpr int kUnknownFunction = 99;  // the argument stands alone

    CExpression();
    ~CExpression();
    // The variables of the tree point back at their expression, so it stays where it is.
    CExpression(const CExpression&) = delete;
    CExpression& operator=(const CExpression&) = delete;

    // Returns 1 when the formula passed the syntax check and its tree was built, 0 otherwise
    // (also for an empty text or a text without ':').
    int Compile(std::string_view text);
    // Evaluates the tree with the six slots set to these values; NaN when nothing is compiled.
    double Evaluate(double v0, double v1, double v2, double v3, double v4, double v5);

    int ErrorCode() const { return m_nError; }
    // What the last compilation refused and the caller shows: "不能多于6个变量" once for each
    // letter declared beyond the sixth, which is dropped.
    const std::vector<std::string>& Refusals() const { return m_refusals; }
    const CSymbol_table& SymbolTable() const { return m_SymbolTable; }

private:
    std::unique_ptr<node> m_pRoot;
    CSymbol_table m_SymbolTable;
    int m_nError = 0;
    std::vector<std::string> m_refusals;
};

}  // namespace velnor
