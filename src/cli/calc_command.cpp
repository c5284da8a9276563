#include "cli/calc_command.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

#include "expr/calculator.h"

namespace velnor::cli {

namespace {

std::optional<double> ReadValue(const char* text) {
    double value = 0.0;
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

int RunCalc(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velnor-cli calc FORMULA X Y\n");
        return 2;
    }
    const std::optional<double> x = ReadValue(argv[1]);
    const std::optional<double> y = ReadValue(argv[2]);
    if (!x || !y) {
        std::fprintf(stderr, "velnor-cli calc: X and Y must be numbers\n");
        return 2;
    }
    CCalculator calculator;
    calculator.SetX(*x);
    calculator.SetY(*y);
    calculator.SetFormula(argv[0]);
    std::printf("%s\n", calculator.Result().c_str());
    return 0;
}

}  // namespace velnor::cli
