#include "win32/RegisterCall.h"

extern "C" {
std::int32_t ixStackImbalance = 0;
std::int32_t ixRegistersClobbered = 0;
std::int32_t ixHostCallbackCalls = 0;
}

asm(R"(
    .text
    .globl _IxRegisterCall
_IxRegisterCall:
    pushl %ebp
    movl  %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl  24(%ebp), %esi
    movl  28(%ebp), %edi
    xorl  %ebx, %ebx
1:  cmpl  %edi, %ebx
    jge   2f
    pushl (%esi,%ebx,4)
    incl  %ebx
    jmp   1b
2:  movl  $0x1B1B1B1B, %ebx
    movl  $0x51515151, %esi
    movl  $0xD1D1D1D1, %edi
    movl  12(%ebp), %eax
    movl  16(%ebp), %edx
    movl  20(%ebp), %ecx
    call  *8(%ebp)
    xorl  %ecx, %ecx
    cmpl  $0x1B1B1B1B, %ebx
    je    3f
    orl   $1, %ecx
3:  cmpl  $0x51515151, %esi
    je    4f
    orl   $2, %ecx
4:  cmpl  $0xD1D1D1D1, %edi
    je    5f
    orl   $4, %ecx
5:  movl  %ecx, _ixRegistersClobbered
    leal  -12(%ebp), %ecx
    subl  %esp, %ecx
    movl  %ecx, _ixStackImbalance
    leal  -12(%ebp), %esp
    popl  %edi
    popl  %esi
    popl  %ebx
    popl  %ebp
    ret

    .globl _IxAddActionThunk
_IxAddActionThunk:
    pushl %ebp
    movl  %esp, %ebp
    pushl 8(%ebp)
    pushl 12(%ebp)
    pushl 16(%ebp)
    pushl %ecx
    pushl %edx
    pushl %eax
    call  _ixtestRecordAddAction
    addl  $24, %esp
    popl  %ebp
    ret   $12

    .globl _IxSetVarThunk
_IxSetVarThunk:
    incl  _ixHostCallbackCalls
    ret

    .globl _IxScriptProcessorThunk
_IxScriptProcessorThunk:
    incl  _ixHostCallbackCalls
    ret

    .globl _IxInterfaceAccessThunk
_IxInterfaceAccessThunk:
    incl  _ixHostCallbackCalls
    xorl  %eax, %eax
    ret
)");
