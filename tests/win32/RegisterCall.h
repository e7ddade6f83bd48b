#pragma once
// Calls across the host's register convention written out in assembly, so that the
// plug-in is checked against the convention itself rather than against the compiler's
// idea of it: EAX, EDX, ECX for the first three arguments, the rest pushed left to right,
// the callee pops them and keeps EBX, ESI, EDI and EBP.

#include <cstdint>

extern "C" {

// Calls `function` with `eax`, `edx`, `ecx` and the stack arguments given left to right;
// returns EAX. Afterwards ixStackImbalance holds how many bytes the callee failed to pop
// (0 when right) and ixRegistersClobbered a bit per changed EBX (1), ESI (2), EDI (4).
std::uint32_t IxRegisterCall(const void* function, std::uint32_t eax, std::uint32_t edx, std::uint32_t ecx,
                             const std::uint32_t* stackArguments, std::int32_t stackCount);
extern std::int32_t ixStackImbalance;
extern std::int32_t ixRegistersClobbered;

// Host callbacks as a Quillary-like host implements them. AddActionProc takes id, name,
// hint in registers and the open array (pointer, highest index) and count on the stack,
// and passes them to ixtestRecordAddAction. The others count their calls in
// ixHostCallbackCalls; InterfaceAccess answers False.
void IxAddActionThunk();
void IxSetVarThunk();
void IxScriptProcessorThunk();
void IxInterfaceAccessThunk();
extern std::int32_t ixHostCallbackCalls;
}

inline std::uint32_t Arg(const void* pointer) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer)); }
