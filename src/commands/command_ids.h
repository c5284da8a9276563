#pragma once

// Names for the command ids of the table, for code outside the table that wires a particular
// command (a dialog, a key, a toolbar slot). The table keeps the numbers; everyone else uses these
// names, so a wrong number is a compile error instead of a silent miswiring. Kept in numeric order.
namespace velnor::cmd {

inline constexpr int kCrossSection = 33400;
inline constexpr int kPolyhedronNet = 33401;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kExit = 57665;

}  // namespace velnor::cmd
