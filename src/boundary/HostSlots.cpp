#include "boundary/HostSlots.h"

#include "boundary/HostString.h"

namespace ix::boundary {

HostSlots& Host() {
  static HostSlots slots;
  return slots;
}

void SetHostVariable(std::string_view name, std::string_view value) {
  if (!Host().setVar) return;
  const std::string nameCopy(name);
  const std::string valueCopy(value);
  Host().setVar(nameCopy.c_str(), valueCopy.c_str());
}

void RunScriptLine(std::string_view line) {
  if (!Host().scriptProcessor) return;
  const std::string copy(line);
  Host().scriptProcessor(copy.c_str());
}

void RunSubroutine(std::string_view name) {
  std::string line = "GoSub \"";
  line += name;
  line += '"';
  RunScriptLine(line);
}

InterfaceAnswer AskInterface(std::int32_t code, std::string_view text) {
  InterfaceAnswer answer;
  if (!Host().interfaceAccess) return answer;
  ScopedHostString variable(text);
  answer.answered = Host().interfaceAccess(code, &variable.variable()) != 0;
  answer.text = variable.text();
  return answer;
}

}  // namespace ix::boundary
