#pragma once

#include <array>

namespace velnor {

// The variables of a formula: six slots, each a one-letter name and a value.
class CSymbol_table {
public:
    static constexpr int kSlotCount = 6;
    static constexpr int kNotFound = 1000;

    virtual ~CSymbol_table() = default;

    // Names the next undeclared slot; false when all six are taken.
    bool Declare(char name);
    // The first slot with this name, or kNotFound.
    int Lookup(char name) const;
    int DeclaredCount() const { return m_nDeclared; }

    double Value(int slot) const { return m_slots.at(slot).m_dValue; }
    void SetValue(int slot, double value) { m_slots.at(slot).m_dValue = value; }

private:
    struct Slot {
        char m_cName = ' ';
        double m_dValue = 0.0;
    };
    std::array<Slot, kSlotCount> m_slots{};
    int m_nDeclared = 0;
};

}  // namespace velnor
