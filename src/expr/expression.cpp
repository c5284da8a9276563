#include "expr/expression.h"

#include <limits>
#include <string>

#include "expr/formula_normalisation.h"
#include "expr/formula_parser.h"
#include "expr/syntax_check.h"

namespace velnor {

CExpression::CExpression() = default;

CExpression::~CExpression() = default;

int CExpression::Compile(std::string_view text) {
    m_pRoot.reset();
    m_nError = 0;
    m_refusals.clear();
    // A second compilation starts from no variables rather than adding to the first one's.
    m_SymbolTable = CSymbol_table();
    const std::string normalised = NormaliseFormula(text);
    if (!IsValidFormulaSyntax(normalised)) {
        return 0;
    }
    ParsedFormula parsed = ParseFormula(normalised, m_SymbolTable, *this);
    m_pRoot = std::move(parsed.pRoot);
    m_nError = parsed.nErrorCode;
    m_refusals.assign(parsed.nDroppedVariables, "不能多于6个变量");
    return 1;
}

double CExpression::Evaluate(double v0, double v1, double v2, double v3, double v4, double v5) {
    if (!m_pRoot) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double values[CSymbol_table::kSlotCount] = {v0, v1, v2, v3, v4, v5};
    for (int slot = 0; slot < CSymbol_table::kSlotCount; ++slot) {
        m_SymbolTable.SetValue(slot, values[slot]);
    }
    return m_pRoot->Eval();
}

}  // namespace velnor
