#include "expr/calculator.h"

#include <charconv>
#include <utility>

#include "expr/expression.h"

namespace velnor {

CCalculator::CCalculator() {
    Recompute();
}

void CCalculator::SetFormula(std::string formula) {
    m_strFormula = std::move(formula);
    Recompute();
}

void CCalculator::SetX(double x) {
    m_dX = x;
    Recompute();
}

void CCalculator::SetY(double y) {
    m_dY = y;
    Recompute();
}

void CCalculator::Recompute() {
    CExpression expression;
    if (expression.Compile("x,y:" + m_strFormula) == 0) {
        m_strResult.clear();
        return;
    }
    m_strResult = FormatCalculatorValue(expression.Evaluate(m_dX, m_dY, 0.0, 0.0, 0.0, 0.0));
}

std::string FormatCalculatorValue(double value) {
    char text[64];
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 16);
    return std::string(text, written.ptr);
}

}  // namespace velnor
