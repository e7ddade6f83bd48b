#pragma once
// A small fake host for the black-box tests: records every AddActionProc call byte for
// byte and every message box the plug-in shows, and can write and read those records as
// text so that a probe process can hand them to the test that started it.

#include <ixcanvas/plugin.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ixtest {

struct AddActionCall {
  std::int32_t id = 0;
  std::string name;
  std::string hint;
  std::vector<std::uint8_t> types;  // typesHigh + 1 bytes, as the callee may read them
  std::int32_t typesHigh = 0;
  std::int32_t count = 0;

  bool operator==(const AddActionCall&) const = default;
};

// One qlRegisterPlugIn call as the host saw it.
struct Registration {
  std::vector<std::string> messages;  // message box texts, in order
  std::vector<AddActionCall> calls;
};

// Where the recording callbacks write; set before calling into the plug-in.
Registration*& CurrentRegistration();

// Records one AddActionProc call (natural argument order, native convention).
extern "C" void ixtestRecordAddAction(std::int32_t id, const char* name, const char* hint,
                                      const std::uint8_t* types, std::int32_t typesHigh, std::int32_t count);
// Callbacks with the host's convention, recording into CurrentRegistration().
void IX_HOSTCALL RecordAddAction(std::int32_t id, const char* name, const char* hint,
                                 IX_HOSTCALL_TAIL3(const std::uint8_t* types, std::int32_t typesHigh,
                                                   std::int32_t count));
// A message-box driver of the headless window system: records the text, answers OK.
int RecordMessageBox(void* context, const char* text, const char* caption, int kind, int buttons);

// Text form, one record a line, every string hex-encoded.
std::string Serialize(const std::vector<Registration>& registrations);
std::vector<Registration> Deserialize(const std::string& text);

}  // namespace ixtest
