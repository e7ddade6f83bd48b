// EffectsDialog: the effects window of a canvas — a modal dialog that applies one colour
// or detail effect to the current layer's picture, inside the selection when there is one.
//
// The form (class "TEffectsForm", 536 × 421, resizable, centred on the screen) offers the
// effects in the combo box "EffectList" ("Contrast", "Gamma", "Sharpen"), the strength in
// the spin edit "EffectAmount" and the buttons "OkButton" and "CancelButton". Strengths:
// contrast -100 to 100, gamma in hundredths (100 is neutral, 10 to 500), sharpening 0 to
// 100. Nothing changes unless the dialog is confirmed; RunEffectsDialog tells which.
#pragma once

#include "gfx/view/ImageView.h"

#include <string_view>

namespace ix::actions {

inline constexpr std::string_view kEffectNames[] = {"Contrast", "Gamma", "Sharpen"};

// Shows the dialog; true when an effect was applied.
bool RunEffectsDialog(gfx::ImageView& view);

// Applies the effect of that list index with that strength, as a confirmed dialog does;
// an index outside the list applies nothing.
void ApplyEffect(gfx::ImageView& view, int effect, int amount);

} // namespace ix::actions
