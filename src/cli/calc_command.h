#pragma once

namespace velnor::cli {

// velnor-cli calc FORMULA X Y: prints what the calculator shows for f(x,y) = FORMULA, or an empty
// line when it rejects the formula.
int RunCalc(int argc, char** argv);

}  // namespace velnor::cli
