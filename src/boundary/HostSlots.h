#pragma once
// The process-wide slots for what the host hands the plug-in (its window handle and four
// callbacks), null until set, and the typed calls every layer uses to reach the host.
//
// Limits: the slots are plain data touched only on the host's user-interface thread.
// A call through an empty slot does nothing (and an InterfaceAccess request then answers
// false), so nothing breaks when the host has not registered a callback yet.

#include <ixcanvas/plugin.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace ix::boundary {

struct HostSlots {
  std::int32_t hostWindow = 0;
  IxAddActionProc addAction = nullptr;
  // The two middle arguments of the registration call: kept, never used.
  void* registerValue2 = nullptr;
  void* registerValue3 = nullptr;
  IxSetVarProc setVar = nullptr;
  IxScriptProcessor scriptProcessor = nullptr;
  IxInterfaceAccess interfaceAccess = nullptr;
};

HostSlots& Host();

// Sets the host variable `name` (spelled as the author wrote it) to `value`.
void SetHostVariable(std::string_view name, std::string_view value);
// Hands one script line to the host's script processor.
void RunScriptLine(std::string_view line);
// Runs the subroutine `name` through the line "GoSub "name"".
void RunSubroutine(std::string_view name);

struct InterfaceAnswer {
  bool answered = false;  // the host's Boolean
  std::string text;       // what the text variable held afterwards
};
// An InterfaceAccess request: `text` goes in as a host string, which is freed afterwards
// whatever the host put there.
InterfaceAnswer AskInterface(std::int32_t code, std::string_view text);

}  // namespace ix::boundary
