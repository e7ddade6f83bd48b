// HostRecorder: the host callbacks of the white-box canvas tests. While one exists the
// plug-in's SetVarProc and ScriptProcessor slots point at it and every variable set and
// every script line run is recorded; the slots are emptied again when it goes.
#pragma once

#include "boundary/HostSlots.h"

#include <string>
#include <utility>
#include <vector>

namespace ix::canvas::test {

class HostRecorder {
public:
    HostRecorder()
    {
        Current() = this;
        boundary::Host().setVar = &SetVar;
        boundary::Host().scriptProcessor = &Script;
    }
    ~HostRecorder()
    {
        boundary::Host().setVar = nullptr;
        boundary::Host().scriptProcessor = nullptr;
        Current() = nullptr;
    }
    HostRecorder(const HostRecorder&) = delete;
    HostRecorder& operator=(const HostRecorder&) = delete;

    std::vector<std::pair<std::string, std::string>> vars;
    std::vector<std::string> lines;

    std::string Last(const std::string& name) const
    {
        for (auto it = vars.rbegin(); it != vars.rend(); ++it)
            if (it->first == name) return it->second;
        return "<none>";
    }
    void Clear()
    {
        vars.clear();
        lines.clear();
    }

private:
    static HostRecorder*& Current()
    {
        static HostRecorder* current = nullptr;
        return current;
    }
    static void IX_HOSTCALL SetVar(const char* name, const char* value)
    {
        if (Current() != nullptr) Current()->vars.emplace_back(name ? name : "", value ? value : "");
    }
    static void IX_HOSTCALL Script(const char* line)
    {
        if (Current() != nullptr) Current()->lines.emplace_back(line ? line : "");
    }
};

} // namespace ix::canvas::test
