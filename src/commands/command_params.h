#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/subassembly.h"

namespace velnor {

// The values a command's dialog would collect, by name ("m", "n", "angle", ...). A value that is
// not given takes the default the dialog would show; a value that does not read as its type throws
// CommandError.
class CommandParams {
public:
    void Set(const std::string& name, const std::string& value) { m_values[name] = value; }
    bool Has(const std::string& name) const { return m_values.contains(name); }
    bool Empty() const { return m_values.empty(); }
    std::vector<std::string> Names() const;

    double Number(const std::string& name, double fallback) const;
    float Float(const std::string& name, float fallback) const;
    int Integer(const std::string& name, int fallback) const;
    // 0..255, as a colour component.
    uint8_t Byte(const std::string& name, uint8_t fallback) const;
    // 1 or 0.
    bool Flag(const std::string& name, bool fallback) const;
    std::string Text(const std::string& name, const std::string& fallback) const;
    // Three floats named by the three names.
    Float3 Vector(const char* x, const char* y, const char* z, const Float3& fallback) const;

private:
    std::map<std::string, std::string> m_values;
};

}  // namespace velnor
