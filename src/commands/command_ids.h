#pragma once

// Names for the command ids of the table, for code outside the table that wires a particular
// command (a dialog, a key, a toolbar slot). The table keeps the numbers; everyone else uses these
// names, so a wrong number is a compile error instead of a silent miswiring. Kept in numeric order.
namespace velnor::cmd {

inline constexpr int kProperties = 32866;
inline constexpr int kFigureSet = 32917;
inline constexpr int kComponent = 32923;
inline constexpr int kRelabel = 32936;
inline constexpr int kDefineTranslation = 32941;
inline constexpr int kDefineRotationAxis = 32943;
inline constexpr int kVertexColour = 32959;
inline constexpr int kDefineRotationAngle = 32972;
inline constexpr int kRatioPoint = 32976;
inline constexpr int kSolidArray = 33110;
inline constexpr int kTextColour = 33112;
inline constexpr int kDefineScale = 33118;
inline constexpr int kLatitudeLongitude = 33231;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kExit = 57665;

}  // namespace velnor::cmd
