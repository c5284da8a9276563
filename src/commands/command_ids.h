#pragma once

// Names for the command ids of the table, for code outside the table that wires a particular
// command (a dialog, a key, a toolbar slot). The table keeps the numbers; everyone else uses these
// names, so a wrong number is a compile error instead of a silent miswiring. Kept in numeric order.
namespace velnor::cmd {

inline constexpr int kStartStop = 32745;
inline constexpr int kFullScreen = 32776;
inline constexpr int kCycleProjection = 32790;
inline constexpr int kReset = 32794;
inline constexpr int kLineTool = 32813;
inline constexpr int kPreviousPage = 32817;
inline constexpr int kNextPage = 32819;
inline constexpr int kNewPage = 32824;
inline constexpr int kLockSelection = 32827;
inline constexpr int kFace = 32831;
inline constexpr int kMidpoint = 32840;
inline constexpr int kManagerBar = 32842;
inline constexpr int kSelectTool = 32844;
inline constexpr int kIntersection = 32855;
inline constexpr int kPerpendicular = 32857;
inline constexpr int kCommonPerpendicular = 32864;
inline constexpr int kProperties = 32866;
inline constexpr int kParallel = 32873;
inline constexpr int kRotateZForward = 32875;
inline constexpr int kRotateZBackward = 32876;
inline constexpr int kRotateXForward = 32877;
inline constexpr int kRotateXBackward = 32878;
inline constexpr int kCurrentMaterial = 32901;
inline constexpr int kCircleThroughThreePoints = 32909;
inline constexpr int kFigureSet = 32917;
inline constexpr int kShowGrid = 32920;
inline constexpr int kComponent = 32923;
inline constexpr int kRelabel = 32936;
inline constexpr int kDefineTranslation = 32941;
inline constexpr int kDefineRotationAxis = 32943;
inline constexpr int kVertexColour = 32959;
inline constexpr int kDefineRotationAngle = 32972;
inline constexpr int kRatioPoint = 32976;
inline constexpr int kRotateCustomAxis = 32982;
inline constexpr int kLiveMaterial = 32994;
inline constexpr int kGeometricSphere = 33010;
inline constexpr int kImportNotes = 33026;
inline constexpr int kExportNotes = 33027;
inline constexpr int kHomePage = 33031;
inline constexpr int kOpenExample = 33033;
inline constexpr int kOpenImage = 33060;
inline constexpr int kShowImage = 33061;
inline constexpr int kSelectRegion = 33062;
inline constexpr int kSaveRegion = 33064;
inline constexpr int kUseAsTexture = 33065;
inline constexpr int kMoveImage = 33073;
inline constexpr int kScaleImage = 33075;
inline constexpr int kCropImage = 33077;
inline constexpr int kRestoreImage = 33081;
inline constexpr int kThreeView = 33091;
inline constexpr int kImageToBitmap = 33096;
inline constexpr int kPasteImage = 33099;
inline constexpr int kSolidArray = 33110;
inline constexpr int kTextColour = 33112;
inline constexpr int kDefineScale = 33118;
inline constexpr int kRandomMaterial = 33123;
inline constexpr int kCloseImage = 33128;
inline constexpr int kSetRegionSize = 33130;
inline constexpr int kPencil = 33144;
inline constexpr int kSmoothShading = 33171;
inline constexpr int kHideObjects = 33174;
inline constexpr int kZoomIn = 33221;
inline constexpr int kZoomOut = 33222;
inline constexpr int kLatitudeLongitude = 33231;
inline constexpr int kAddText = 33266;
inline constexpr int kSection = 33400;
inline constexpr int kNet = 33401;
inline constexpr int kNewFile = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kClear = 57632;
inline constexpr int kCopy = 57634;
inline constexpr int kCut = 57635;
inline constexpr int kFind = 57636;
inline constexpr int kPaste = 57637;
inline constexpr int kPasteSpecial = 57639;
inline constexpr int kReplace = 57641;
inline constexpr int kSelectWholePage = 57642;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kHelpTopics = 57667;

}  // namespace velnor::cmd
