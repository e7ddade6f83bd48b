// The miniature actions, ids 64 to 70: the five miniature views of a canvas as small
// picture stores beside the main picture, and their size, visibility, label and
// right-click subroutine. A miniature name other than "Miniature1" ... "Miniature5"
// (compared exactly) selects none: the action then changes nothing and succeeds.
#pragma once

#include "actions/ActionRegistry.h"

#include <optional>
#include <string_view>

namespace ix::actions {

// 1 to 5 for the exact names "Miniature1" ... "Miniature5", nothing otherwise.
std::optional<int> MiniatureNumber(std::string_view name);

bool ExecCanvasMiniatureSelSave(const ActionParams& p); // 64
bool ExecCanvasMiniatureExtract(const ActionParams& p); // 65
bool ExecCanvasMiniatureSize(const ActionParams& p);    // 66
bool ExecCanvasMiniatureVisible(const ActionParams& p); // 67
bool ExecCanvasMiniatureLabel(const ActionParams& p);   // 68
bool ExecCanvasMiniatureSub(const ActionParams& p);     // 69
bool ExecCanvasMiniatureFile(const ActionParams& p);    // 70

} // namespace ix::actions
