#include "actions/ActionRegistry.h"

#include "actions/CanvasActions.h"
#include "actions/ClipboardActions.h"
#include "actions/DialogActions.h"
#include "actions/DrawingActions.h"
#include "actions/FileActions.h"
#include "actions/LayerActions.h"
#include "actions/MiniatureActions.h"
#include "actions/ProcessingActions.h"
#include "actions/SelectionActions.h"

namespace ix::actions {

std::span<const ExecuteRow> ExecuteRows() {
  static const std::vector<ExecuteRow> rows = {
      {1, &ExecCanvasCreate},       {2, &ExecCanvasDelete},     {3, &ExecCanvasCreateFile},
      {4, &ExecCanvasCenter},       {5, &ExecCanvasBackground}, {6, &ExecCanvasWallPaper},
      {7, &ExecCanvasHorizRuler},   {8, &ExecCanvasVertRuler},  {9, &ExecCanvasVRulerFont},
      {10, &ExecCanvasHRulerFont},  {11, &ExecCanvasGetZoom},   {12, &ExecCanvasGrid},
      {13, &ExecCanvasSetZoom},     {14, &ExecCanvasSetCursor}, {15, &ExecCanvasLoadCursor},
      {16, &ExecCanvasCoordinates}, {17, &ExecCanvasFit},       {18, &ExecCanvasSetSize},
      {19, &ExecCanvasColorBack},   {20, &ExecCanvasIsEmpty},     {21, &ExecCanvasPen},
      {22, &ExecCanvasBrush},       {23, &ExecCanvasPixel},       {24, &ExecCanvasPipette},
      {25, &ExecCanvasLine},        {26, &ExecCanvasRectangle},   {27, &ExecCanvasEllipse},
      {28, &ExecCanvasFloodFill},   {29, &ExecCanvasAirbrush},    {30, &ExecCanvasBrushSmear},
      {31, &ExecCanvasBrushFlow},   {32, &ExecCanvasBrushSleek},  {33, &ExecCanvasBrushEye},
      {34, &ExecCanvasBrushGlow},   {35, &ExecCanvasBrushDark},   {36, &ExecCanvasBrushSate},
      {37, &ExecCanvasBrushGR},     {38, &ExecCanvasBrushTParent}, {39, &ExecCanvasToolsCancel},
      {40, &ExecCanvasEraser},
      {41, &ExecSelectIntensity},   {42, &ExecSelectMagicWand},   {43, &ExecMagicWandTolerance},
      {44, &ExecSelectRectangle},   {45, &ExecSelectLasso},       {46, &ExecSelectEllips},
      {47, &ExecSelectPolygon},     {48, &ExecCoordinateSelect},  {49, &ExecSelectFloodFill},
      {50, &ExecSelectFillPicture}, {51, &ExecSelectSetPicture},  {52, &ExecSelectTransparent},
      {53, &ExecSelectGradTparent}, {54, &ExecSelectFeather},     {55, &ExecEffectsWindow},
      {56, &ExecSelectTrimming},    {57, &ExecSelectCut},         {58, &ExecSelectNegative},
      {59, &ExecSelectBlur},        {60, &ExecSelectRedEyes},     {61, &ExecCanvasSelectStyle},
      {62, &ExecSetRubberBandColor}, {63, &ExecCanvasSelectCancel},
      // Miniatures and the clipboard
      {64, &ExecCanvasMiniatureSelSave}, {65, &ExecCanvasMiniatureExtract},
      {66, &ExecCanvasMiniatureSize},    {67, &ExecCanvasMiniatureVisible},
      {68, &ExecCanvasMiniatureLabel},   {69, &ExecCanvasMiniatureSub},
      {70, &ExecCanvasMiniatureFile},    {71, &ExecCopyToClipboard},
      {72, &ExecCanvasClipboardTest},    {73, &ExecPasteFromClipboard},
      {74, &ExecSelCopyToClip},          {75, &ExecSelCutToClip},
      {76, &ExecSelPasteClipStretch},
      // Processing
      {77, &ExecProcRemovePixel},   {78, &ExecProcRemoveNoise},   {79, &ExecProcEncrypt},
      {80, &ExecProcDecrypt},       {81, &ExecProcFlip},          {82, &ExecProcReflection},
      {83, &ExecProcAddShadow},     {85, &ExecCanvasEdgeDetect}, {86, &ExecCanvasEdgePen},     {87, &ExecCanvasGetNumColor},
      {88, &ExecCanvasConvertTo},   {89, &ExecCanvasWriteHiddenText}, {90, &ExecCanvasReadHiddenText},
      {92, &ExecCanvasResample},
      // Dialogs
      {93, &ExecCanvasColorBox},         {94, &ExecCanvasOpenDialog},
      {95, &ExecCanvasSaveDialog},
      {96, &ExecLayersAdd},         {97, &ExecLayersDelete},      {98, &ExecLayersPriority},
      {99, &ExecLayersMove},        {100, &ExecLayersRotate},     {101, &ExecLayersVisible},
      {102, &ExecLayersMergeAll},   {103, &ExecLayersGetCount},   {104, &ExecLayersCurrent},
      {105, &ExecLayersMerge},      {106, &ExecLayersEffect},     {107, &ExecLayersTransparent},
      // Files
      {108, &ExecCanvasLoadFile},        {109, &ExecLayersLoadFile},
      {110, &ExecCanvasSaveFile},        {111, &ExecSaveFileMergeLayers},
  };
  return rows;
}

}  // namespace ix::actions
