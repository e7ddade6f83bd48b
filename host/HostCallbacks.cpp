#include "host/HostCallbacks.h"

#include "host/Player.h"
#include "host/ScriptError.h"

#include <cstdint>
#include <exception>

namespace ix::host {
namespace {

Player* attached = nullptr;

template <typename Work> void Guard(Work&& work)
{
    if (!attached) return;
    try {
        work(*attached);
    } catch (const ScriptError& e) {
        attached->OnCallbackError(e);
    } catch (const std::exception& e) {
        attached->OnCallbackFailure(e.what());
    } catch (...) {
        attached->OnCallbackFailure("unknown failure");
    }
}

void IX_HOSTCALL AddAction(std::int32_t id, const char* name, const char* hint,
                           IX_HOSTCALL_TAIL3(const std::uint8_t* types, std::int32_t typesHigh, std::int32_t count))
{
    Guard([&](Player& p) { p.OnAddAction(id, name, hint, types, typesHigh, count); });
}

void IX_HOSTCALL SetVariable(const char* name, const char* value)
{
    Guard([&](Player& p) { p.OnSetVariable(name, value); });
}

void IX_HOSTCALL ScriptLine(const char* line)
{
    Guard([&](Player& p) { p.OnScriptLine(line); });
}

IxBool IX_HOSTCALL InterfaceAccess(std::int32_t code, char** text)
{
    bool answer = false;
    Guard([&](Player& p) { answer = p.OnInterfaceAccess(code, text); });
    return answer ? 1 : 0;
}

} // namespace

void AttachCallbacks(Player* player) { attached = player; }

IxAddActionProc AddActionCallback() { return &AddAction; }
IxSetVarProc SetVariableCallback() { return &SetVariable; }
IxScriptProcessor ScriptProcessorCallback() { return &ScriptLine; }
IxInterfaceAccess InterfaceAccessCallback() { return &InterfaceAccess; }

} // namespace ix::host
