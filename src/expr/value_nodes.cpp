#include "expr/value_nodes.h"

#include "expr/expression.h"

namespace velnor {

double variable::Apply(double, double) const {
    return m_pExpression->SymbolTable().Value(m_nIndex);
}

}  // namespace velnor
