#pragma once

// Names for the command ids of the table, for code outside the table that wires a particular
// command (a dialog, a key, a toolbar slot). The table keeps the numbers; everyone else uses these
// names, so a wrong number is a compile error instead of a silent miswiring. Kept in numeric order.
namespace velnor::cmd {

inline constexpr int kPreviousPage = 32817;
inline constexpr int kNextPage = 32819;
inline constexpr int kImportNotes = 33026;
inline constexpr int kExportNotes = 33027;
inline constexpr int kOpenExample = 33033;
inline constexpr int kNewFile = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kExit = 57665;

}  // namespace velnor::cmd
