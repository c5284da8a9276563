#pragma once

// Names for the command ids of the table, for code outside the table that wires a particular
// command (a dialog, a key, a toolbar slot). The table keeps the numbers; everyone else uses these
// names, so a wrong number is a compile error instead of a silent miswiring. Kept in numeric order.
namespace velnor::cmd {

inline constexpr int kOpenImage = 33060;
inline constexpr int kShowImage = 33061;
inline constexpr int kSelectRegion = 33062;
inline constexpr int kSaveRegion = 33064;
inline constexpr int kUseAsTexture = 33065;
inline constexpr int kMoveImage = 33073;
inline constexpr int kScaleImage = 33075;
inline constexpr int kCropImage = 33077;
inline constexpr int kRestoreImage = 33081;
inline constexpr int kImageToBitmap = 33096;
inline constexpr int kPasteImage = 33099;
inline constexpr int kCloseImage = 33128;
inline constexpr int kSetRegionSize = 33130;
inline constexpr int kSaveAs = 57604;
inline constexpr int kClear = 57632;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kExit = 57665;

}  // namespace velnor::cmd
