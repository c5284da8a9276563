#pragma once

#include "expr/node.h"

namespace velnor {

class CExpression;

// A number written in the formula, or one of the constants p and e.
class constant final : public node {
public:
    constant(double value, int64_t priority) : node(priority), m_dValue(value) {}

private:
    double Apply(double, double) const override { return m_dValue; }

    double m_dValue;
};

// A variable: reads its slot of the owning expression's symbol table at evaluation time.
class variable final : public node {
public:
    variable(int slot, const CExpression& expression, int64_t priority)
        : node(priority), m_nIndex(slot), m_pExpression(&expression) {}

private:
    double Apply(double, double) const override;

    int m_nIndex;
    const CExpression* m_pExpression;
};

}  // namespace velnor
