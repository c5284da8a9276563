#pragma once

// Names for the command ids of the table, for code outside the table that wires a particular
// command (a dialog, a key, a toolbar slot). The table keeps the numbers; everyone else uses these
// names, so a wrong number is a compile error instead of a silent miswiring. Kept in numeric order.
namespace velnor::cmd {

inline constexpr int kProperties = 32866;
inline constexpr int kAddText = 33266;
inline constexpr int kFind = 57636;
inline constexpr int kPaste = 57637;
inline constexpr int kPasteSpecial = 57639;
inline constexpr int kReplace = 57641;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kExit = 57665;

}  // namespace velnor::cmd
