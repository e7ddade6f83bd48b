#pragma once
// A tiny case harness for the Windows test executable (GoogleTest is not built for
// mingw here): IX_CASE(Name) defines a case, `ixwintest --case Name` runs it, `--list`
// lists them. A check that fails reports its line and fails the case; a crash is reported
// by the unhandled-exception filter and a hang ends at the watchdog, both as failures.

#include <sstream>
#include <string>

namespace ixwin {

using CaseFunction = void (*)();

struct CaseRegistrar {
  CaseRegistrar(const char* name, CaseFunction function);
};

void ReportFailure(const char* file, int line, const std::string& what);

template <class A, class B>
std::string DescribePair(const A& a, const B& b) {
  std::ostringstream text;
  text << "\n  left:  " << a << "\n  right: " << b;
  return text.str();
}

}  // namespace ixwin

#define IX_CASE(name)                                                      \
  static void IxCase_##name();                                             \
  static const ::ixwin::CaseRegistrar ixRegistrar_##name(#name, &IxCase_##name); \
  static void IxCase_##name()

#define IX_CHECK(condition) \
  ((condition) ? (void)0 : ::ixwin::ReportFailure(__FILE__, __LINE__, "check failed: " #condition))

#define IX_CHECK_EQ(a, b)                                                                                  \
  (((a) == (b)) ? (void)0                                                                                  \
                : ::ixwin::ReportFailure(__FILE__, __LINE__, "expected equal: " #a " == " #b + ::ixwin::DescribePair((a), (b))))
