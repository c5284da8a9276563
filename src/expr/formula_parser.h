#pragma once

#include <memory>
#include <string_view>

#include "expr/node.h"

namespace velnor {

class CExpression;
class CSymbol_table;

struct ParsedFormula {
    std::unique_ptr<node> pRoot;
    int nErrorCode = 0;
    int nDroppedVariables = 0;  // letters declared beyond the sixth
};

// Builds the tree of a normalised text that passed the syntax check. The letters before the
// first ':' are declared in `symbols` in order; each beyond the sixth is dropped and counted.
// Variables of the tree read their values from `owner`.
ParsedFormula ParseFormula(std::string_view normalised, CSymbol_table& symbols,
                           const CExpression& owner);

}  // namespace velnor
