#pragma once
// Command ids of the menu and bars that the frame and the application
// handle themselves.
#include "platform/win/WinTypes.h"

namespace CommandIds {
constexpr UINT kFileOpen = 57601;
constexpr UINT kFileSave = 57603;
constexpr UINT kFileSaveAs = 57604;
constexpr UINT kFilePrintSetup = 57606;
constexpr UINT kFilePrint = 57607;
constexpr UINT kFilePrintPreview = 57609;
constexpr UINT kFileMru1 = 57616;
constexpr int kMruCount = 4;
constexpr UINT kEditDelete = 57632;
constexpr UINT kEditCopy = 57634;
constexpr UINT kEditSelectAll = 57642;
constexpr UINT kEditUndo = 57643;
constexpr UINT kEditRedo = 57644;
constexpr UINT kAppAbout = 57664;
constexpr UINT kAppExit = 57665;
constexpr UINT kHelp = 57670;
constexpr UINT kViewToolBar = 59392;
constexpr UINT kViewStatusBar = 59393;
constexpr UINT kViewLayerBar = 32784;
constexpr UINT kContinuousPrint = 32783;
constexpr UINT kCopyAll = 32782;
constexpr UINT kSettings = 32775;
constexpr UINT kRedraw = 32772;
constexpr UINT kPan = 32777;
constexpr UINT kZoom = 32778;
constexpr UINT kPreviousView = 32779;
constexpr UINT kWindowZoom = 32780;
constexpr UINT kFit = 32781;
// The redline kinds.
constexpr UINT kRedlineEllipseMark = 32785;
constexpr UINT kRedlineSquareMark = 32786;
constexpr UINT kRedlineCircleMark = 32787;
constexpr UINT kRedlineBalloon = 32788;
constexpr UINT kRedlineLine = 32797;
constexpr UINT kRedlineSquare = 32798;
constexpr UINT kRedlineEllipse = 32799;
constexpr UINT kRedlineCircle = 32800;
constexpr UINT kRedlinePolygon = 32801;
constexpr UINT kRedlineCloud = 32802;
constexpr UINT kRedlineNote = 32803;
constexpr UINT kRedlinePolyline = 32804;
constexpr UINT kRedlineFreehand = 32812;
constexpr UINT kRedlineImage = 32815;
constexpr UINT kConvertToOwn = 32816;
constexpr UINT kSelectTool = 32795;
constexpr UINT kProperties = 32796;
constexpr UINT kMoveTool = 32807;
constexpr UINT kPointEditTool = 32808;
constexpr UINT kMeasureTool = 32809;
constexpr UINT kHollowOut = 32814;
constexpr UINT kBringToFront = 32819;
constexpr UINT kSendToBack = 32820;
constexpr UINT kImageExport = 32811;
constexpr UINT kOpenWithApp = 32806;
constexpr UINT kBatchConvert = 32805;
constexpr UINT kScalePrint = 32810;
} // namespace CommandIds
