/* ixCanvas plug-in ABI: the eight entry points and the four host callbacks.
 *
 * On 32-bit Windows every entry point and callback uses the host's register convention:
 * the first three 32-bit arguments travel in EAX, EDX and ECX, the rest are pushed left to
 * right and popped by the callee, the result comes back in EAX (a Boolean in AL only).
 * GCC expresses that as regparm(3) + stdcall with the stack-passed arguments declared
 * last-first, which IX_HOSTCALL_TAIL3 does for the one call with three stack arguments.
 * On Linux everything uses the native C convention and the natural argument order.
 *
 * Strings are zero-terminated Windows-1251 text. A "host string" is a block from
 * GlobalAlloc(GMEM_FIXED) on Windows and from malloc on Linux, or null for none; the
 * plug-in frees what a host-string variable held before it stores a new block there.
 */
#ifndef IXCANVAS_PLUGIN_H
#define IXCANVAS_PLUGIN_H

#include <stdint.h>

#if defined(_WIN32) && defined(__i386__)
#define IX_HOSTCALL __attribute__((regparm(3), stdcall))
#define IX_HOSTCALL_TAIL3(a, b, c) c, b, a
#else
#define IX_HOSTCALL
#define IX_HOSTCALL_TAIL3(a, b, c) a, b, c
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A one-byte Boolean: only its low byte is meaningful. */
typedef unsigned char IxBool;

/* Parameter type codes of a catalogue row. */
enum { IX_PT_TEXT = 1, IX_PT_FILENAME = 5, IX_PT_VARIABLE = 6 };

/* InterfaceAccess request codes. */
enum {
  IX_IA_SUBROUTINE_LIST = 5,
  IX_IA_OBJECT_WINDOW = 7,
  IX_IA_PICK_OBJECT = 8,
  IX_IA_PICK_VARIABLE = 14
};

/* One catalogue row. `types` is an open array: a pointer and its highest index. */
typedef void(IX_HOSTCALL* IxAddActionProc)(int32_t id, const char* name, const char* hint,
                                           IX_HOSTCALL_TAIL3(const uint8_t* types,
                                                             int32_t typesHigh,
                                                             int32_t count));
/* Sets the host variable `name` to `value`. */
typedef void(IX_HOSTCALL* IxSetVarProc)(const char* name, const char* value);
/* Runs one script line. */
typedef void(IX_HOSTCALL* IxScriptProcessor)(const char* line);
/* Asks the host for something; `text` is a host-string variable, in and out. */
typedef IxBool(IX_HOSTCALL* IxInterfaceAccess)(int32_t code, char** text);

typedef void(IX_HOSTCALL* IxInitPlugInFn)(int32_t hostWindow, char** title, char** publisher,
                                          char** hint);
typedef void(IX_HOSTCALL* IxRegisterPlugInFn)(IxAddActionProc addAction, void* reserved2,
                                              void* reserved3, IxSetVarProc setVar);
typedef void(IX_HOSTCALL* IxRegisterScriptProcessorFn)(IxScriptProcessor proc);
typedef void(IX_HOSTCALL* IxRegisterInterfaceAccessFn)(IxInterfaceAccess proc);
/* `params` points to as many host strings as the action's catalogue row declares. */
typedef IxBool(IX_HOSTCALL* IxExecActionFn)(int32_t id, char** params);
typedef IxBool(IX_HOSTCALL* IxEditActionFn)(int32_t id, char** params);
/* Only the code matters; the two further values are ignored. */
typedef void(IX_HOSTCALL* IxMessageFn)(int32_t code, int32_t value1, int32_t value2);
typedef void(IX_HOSTCALL* IxAboutFn)(void);

/* The entry points, for hosts that link the library directly (Linux); Windows hosts look
 * them up by these undecorated names. */
void IX_HOSTCALL qlInitPlugIn(int32_t hostWindow, char** title, char** publisher, char** hint);
void IX_HOSTCALL qlRegisterPlugIn(IxAddActionProc addAction, void* reserved2, void* reserved3,
                                  IxSetVarProc setVar);
void IX_HOSTCALL qlRegisterScriptProcessor(IxScriptProcessor proc);
void IX_HOSTCALL qlRegisterInterfaceAccess(IxInterfaceAccess proc);
IxBool IX_HOSTCALL qlExecAction(int32_t id, char** params);
IxBool IX_HOSTCALL qlEditAction(int32_t id, char** params);
void IX_HOSTCALL qlMessage(int32_t code, int32_t value1, int32_t value2);
void IX_HOSTCALL qlAbout(void);

#ifdef __cplusplus
}
#endif

#endif
