#include "output/decimal_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace velnor {

void AppendDecimal(std::string& out, double value, int places) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    std::array<char, 48> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::fixed, places);
    if (error != std::errc()) {
        out += '0';
        return;
    }
    const std::string_view written(digits.data(), static_cast<size_t>(end - digits.data()));
    std::string_view kept = written;
    if (kept.find('.') != std::string_view::npos) {
        kept = kept.substr(0, kept.find_last_not_of('0') + 1);
        if (kept.back() == '.') {
            kept.remove_suffix(1);
        }
    }
    out += kept == "-0" ? std::string_view("0") : kept;
}

}  // namespace velnor
