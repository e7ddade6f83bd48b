#include "actions/ActionRegistry.h"

#include "actions/CanvasActions.h"

namespace ix::actions {

std::span<const ExecuteRow> ExecuteRows() {
  static const std::vector<ExecuteRow> rows = {
      {1, &ExecCanvasCreate},       {2, &ExecCanvasDelete},     {3, &ExecCanvasCreateFile},
      {4, &ExecCanvasCenter},       {5, &ExecCanvasBackground}, {6, &ExecCanvasWallPaper},
      {7, &ExecCanvasHorizRuler},   {8, &ExecCanvasVertRuler},  {9, &ExecCanvasVRulerFont},
      {10, &ExecCanvasHRulerFont},  {11, &ExecCanvasGetZoom},   {12, &ExecCanvasGrid},
      {13, &ExecCanvasSetZoom},     {14, &ExecCanvasSetCursor}, {15, &ExecCanvasLoadCursor},
      {16, &ExecCanvasCoordinates}, {17, &ExecCanvasFit},       {18, &ExecCanvasSetSize},
      {19, &ExecCanvasColorBack},   {20, &ExecCanvasIsEmpty},
  };
  return rows;
}

}  // namespace ix::actions
