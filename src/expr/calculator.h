#pragma once

#include <string>

namespace velnor {

// The calculator of the display-settings pane: a formula f(x,y), the values of x and y, and the
// result, recomputed whenever one of the three changes. The pane sets the formula on every edit
// and a value when its field loses the focus.
class CCalculator {
public:
    CCalculator();

    void SetFormula(std::string formula);
    void SetX(double x);
    void SetY(double y);

    const std::string& Formula() const { return m_strFormula; }
    double X() const { return m_dX; }
    double Y() const { return m_dY; }
    // The value as "%.16g" would print it, or empty when the formula is rejected.
    const std::string& Result() const { return m_strResult; }

private:
    void Recompute();

    std::string m_strFormula = "sin(p/2)+x+3y";
    double m_dX = 1.0;
    double m_dY = 2.0;
    std::string m_strResult;
};

// A value as "%.16g" prints it in the C locale, whatever locale the program runs in.
std::string FormatCalculatorValue(double value);

}  // namespace velnor
