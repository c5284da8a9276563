#include "commands/command_params.h"

#include <charconv>
#include <cmath>

#include "commands/command_error.h"

namespace velnor {

namespace {

template <typename T>
T Parse(const std::string& name, const std::string& text, const char* what) {
    T value{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        throw CommandError("参数 " + name + "=" + text + " 不是" + what);
    }
    return value;
}

}  // namespace

std::vector<std::string> CommandParams::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, value] : m_values) {
        names.push_back(name);
    }
    return names;
}

double CommandParams::Number(const std::string& name, double fallback) const {
    auto found = m_values.find(name);
    if (found == m_values.end()) {
        return fallback;
    }
    double value = Parse<double>(name, found->second, "数字");
    if (!std::isfinite(value)) {
        throw CommandError("参数 " + name + "=" + found->second + " 不是有限的数字");
    }
    return value;
}

float CommandParams::Float(const std::string& name, float fallback) const {
    double value = Number(name, fallback);
    if (std::fabs(value) > 3.0e38) {
        throw CommandError("参数 " + name + " 超出范围");
    }
    return static_cast<float>(value);
}

int CommandParams::Integer(const std::string& name, int fallback) const {
    auto found = m_values.find(name);
    return found == m_values.end() ? fallback : Parse<int>(name, found->second, "整数");
}

uint8_t CommandParams::Byte(const std::string& name, uint8_t fallback) const {
    const int value = Integer(name, fallback);
    if (value < 0 || value > 255) {
        throw CommandError("参数 " + name + " 必须在 0 到 255 之间");
    }
    return static_cast<uint8_t>(value);
}

bool CommandParams::Flag(const std::string& name, bool fallback) const {
    auto found = m_values.find(name);
    if (found == m_values.end()) {
        return fallback;
    }
    if (found->second != "0" && found->second != "1") {
        throw CommandError("参数 " + name + "=" + found->second + " 只能是 1 或 0");
    }
    return found->second == "1";
}

std::string CommandParams::Text(const std::string& name, const std::string& fallback) const {
    auto found = m_values.find(name);
    return found == m_values.end() ? fallback : found->second;
}

Float3 CommandParams::Vector(const char* x, const char* y, const char* z,
                             const Float3& fallback) const {
    return {Float(x, fallback[0]), Float(y, fallback[1]), Float(z, fallback[2])};
}

}  // namespace velnor
