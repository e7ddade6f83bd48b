// The canvas settings: 29 texts, each held in the caption of an invisible label of the
// canvas window, all empty when a canvas is created. An empty text means "not set";
// readers parse the text each time they use it. The order is the labels' creation order.
#pragma once

#include <array>
#include <string_view>

namespace ix::canvas {

inline constexpr std::array<std::string_view, 29> kStateLabelNames = {
    "Tools",
    "SizeWidth",
    "SizeHeight",
    "NumberZoom",
    "VariableX",
    "VariableY",
    "SubHorizRuler",
    "SubVertRuler",
    "PixelSetColor",
    "PixelGetColor",
    "SubPipette",
    "ColorSprey",
    "DiamSprey",
    "IntensiveSprey",
    "TransparentNumber",
    "BrushBlurSize",
    "BrushBlurPress",
    "BrushTransparentFormBrush",
    "BrushTransparentBrushSize",
    "BrushTransparentBrushColor",
    "BrushTransparentBrushStyle",
    "BrushTransparentTransParent",
    "BrushTransparentAntiAlias",
    "SubMiniature1",
    "SubMiniature2",
    "SubMiniature3",
    "SubMiniature4",
    "SubMiniature5",
    "LayersCurrent",
};

// Index of each setting in kStateLabelNames.
enum class State {
    Tools,
    SizeWidth,
    SizeHeight,
    NumberZoom,
    VariableX,
    VariableY,
    SubHorizRuler,
    SubVertRuler,
    PixelSetColor,
    PixelGetColor,
    SubPipette,
    ColorSprey,
    DiamSprey,
    IntensiveSprey,
    TransparentNumber,
    BrushBlurSize,
    BrushBlurPress,
    BrushTransparentFormBrush,
    BrushTransparentBrushSize,
    BrushTransparentBrushColor,
    BrushTransparentBrushStyle,
    BrushTransparentTransParent,
    BrushTransparentAntiAlias,
    SubMiniature1,
    SubMiniature2,
    SubMiniature3,
    SubMiniature4,
    SubMiniature5,
    LayersCurrent,
};

constexpr std::string_view StateLabelName(State s) { return kStateLabelNames[static_cast<std::size_t>(s)]; }

} // namespace ix::canvas
