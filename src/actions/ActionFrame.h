// ActionFrame: the frame every execute function that works on a canvas runs in.
//
// RunOnCanvas looks the canvas up by parameter 1 (a canvas with an empty name counts as
// missing), runs the action's work on it inside a catch-all guard and gives the success
// flag: True when the work completed, False when the canvas is missing or anything
// failed on the way. Effects made before a failure stay; nothing is rolled back.
//
// Param reads a parameter as text; a parameter the dispatcher did not hand over reads
// as empty text. ColorOr is the nested colour guard: the colour text, or the preset
// when the text cannot be read.
#pragma once

#include "actions/ActionRegistry.h"
#include "actions/readings.h"
#include "canvas/CanvasList.h"

#include <string_view>

namespace ix::actions {

inline std::string_view Param(const ActionParams& params, std::size_t index)
{
    return index < params.size() ? std::string_view(params[index]) : std::string_view();
}

inline gfx::Color ColorOr(std::string_view text, gfx::Color preset) { return TryReadColor(text).value_or(preset); }

template <typename Work>
bool RunOnCanvas(const ActionParams& params, Work&& work) noexcept
{
    try {
        canvas::DestroyRetiredCanvases();
        canvas::TPicture* canvas = canvas::CanvasForAction(Param(params, 0));
        if (canvas == nullptr) return false;
        work(*canvas);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace ix::actions
