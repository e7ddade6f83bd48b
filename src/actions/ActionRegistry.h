#pragma once
// The execute side of the script actions as the dispatcher sees it: one row per action id
// that has an execute function. An action without a row answers False, as an unknown id.
//
// An execute function gets the plug-in's own copies of exactly as many parameters as the
// catalogue row declares (a null host string reads as empty text) and returns the success
// flag that goes back to the host unchanged. It catches its own failures.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ix::actions {

using ActionParams = std::vector<std::string>;
using ExecuteFunction = bool (*)(const ActionParams& params);

struct ExecuteRow {
  std::int32_t id;
  ExecuteFunction execute;
};

std::span<const ExecuteRow> ExecuteRows();

}  // namespace ix::actions
