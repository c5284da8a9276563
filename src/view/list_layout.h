#pragma once

namespace velnor {

// Offsets in the block of display-list names that starts at the list base. The page components
// have a block of their own (ComponentListName), so that no number of them can reach a unit shape.
namespace lists {

inline constexpr int kBlockSize = 186;
inline constexpr int kSmallGlyphs = 32;  // characters 32..63, upright
inline constexpr int kMainGlyphs = 64;   // characters 64..127, bold italic
inline constexpr int kTitleGlyphs1 = 128;
inline constexpr int kTitleGlyphs2 = 141;
inline constexpr int kTitleMaxGlyphs1 = kTitleGlyphs2 - kTitleGlyphs1;
inline constexpr int kTitleMaxGlyphs2 = 150 - kTitleGlyphs2;
inline constexpr int kTitle = 150;
inline constexpr int kAxes = 158;
inline constexpr int kArrowHead = 185;

}  // namespace lists

}  // namespace velnor
