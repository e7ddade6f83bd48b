#include "win32/Harness.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <string>

#include "win32/Probe.h"

namespace ixwin {
namespace {

constexpr DWORD kWatchdogMilliseconds = 60'000;

std::map<std::string, CaseFunction>& Cases() {
  static std::map<std::string, CaseFunction> cases;
  return cases;
}

int& Failures() {
  static int failures = 0;
  return failures;
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  std::printf("CRASH: exception 0x%08lx at %p\n", info->ExceptionRecord->ExceptionCode,
              info->ExceptionRecord->ExceptionAddress);
  std::fflush(stdout);
  ExitProcess(2);
}

DWORD WINAPI Watchdog(void*) {
  Sleep(kWatchdogMilliseconds);
  std::printf("HANG: the case did not finish within %lu ms\n", kWatchdogMilliseconds);
  std::fflush(stdout);
  ExitProcess(3);
}

}  // namespace

CaseRegistrar::CaseRegistrar(const char* name, CaseFunction function) { Cases()[name] = function; }

void ReportFailure(const char* file, int line, const std::string& what) {
  ++Failures();
  std::printf("%s:%d: %s\n", file, line, what.c_str());
}

}  // namespace ixwin

int main(int argc, char** argv) {
  SetUnhandledExceptionFilter(&ixwin::ReportCrash);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  CloseHandle(CreateThread(nullptr, 0, &ixwin::Watchdog, nullptr, 0, nullptr));

  if (argc >= 2 && std::strcmp(argv[1], "--probe") == 0) return ixwin::RunProbe(argc, argv);
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    for (const auto& entry : ixwin::Cases()) std::printf("%s\n", entry.first.c_str());
    return 0;
  }
  if (argc != 3 || std::strcmp(argv[1], "--case") != 0) {
    std::printf("usage: ixwintest --case NAME | --list\n");
    return 1;
  }
  const auto found = ixwin::Cases().find(argv[2]);
  if (found == ixwin::Cases().end()) {
    std::printf("no case %s\n", argv[2]);
    return 1;
  }
  try {
    found->second();
  } catch (const std::exception& error) {
    ixwin::ReportFailure(__FILE__, __LINE__, std::string("exception: ") + error.what());
  }
  std::printf("%s: %s\n", argv[2], ixwin::Failures() == 0 ? "passed" : "FAILED");
  return ixwin::Failures() == 0 ? 0 : 1;
}
