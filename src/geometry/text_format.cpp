#include "geometry/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace velnor {

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measuring;
    va_copy(measuring, args);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<size_t>(length));
    }
    va_end(args);
    return text;
}

std::string RangeRefusal(double min, double max, bool integer) {
    return integer ? FormatText("请输入一个介于 %g 和 %g 之间的整数。", min, max)
                   : FormatText("请输入一个介于 %g 和 %g 之间的数。", min, max);
}

}  // namespace velnor
