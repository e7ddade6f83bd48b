#include "plugin/FakeHost.h"

#include <sstream>
#include <stdexcept>

namespace ixtest {
namespace {

// Nothing a fake host could be handed is larger; guards against a wild highest index.
constexpr std::int32_t kMaxTypes = 64;

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out = "x";  // never empty, so fields stay separable
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

std::string Unhex(const std::string& text) {
  if (text.empty() || text[0] != 'x' || text.size() % 2 != 1) throw std::runtime_error("bad hex field");
  std::string out;
  for (std::size_t i = 1; i < text.size(); i += 2) out += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
  return out;
}

}  // namespace

Registration*& CurrentRegistration() {
  static Registration* current = nullptr;
  return current;
}

extern "C" void ixtestRecordAddAction(std::int32_t id, const char* name, const char* hint,
                                      const std::uint8_t* types, std::int32_t typesHigh, std::int32_t count) {
  AddActionCall call;
  call.id = id;
  call.name = name ? name : "<null>";
  call.hint = hint ? hint : "<null>";
  call.typesHigh = typesHigh;
  call.count = count;
  if (types && typesHigh >= 0 && typesHigh < kMaxTypes) call.types.assign(types, types + typesHigh + 1);
  if (CurrentRegistration()) CurrentRegistration()->calls.push_back(std::move(call));
}

void IX_HOSTCALL RecordAddAction(std::int32_t id, const char* name, const char* hint,
                                 IX_HOSTCALL_TAIL3(const std::uint8_t* types, std::int32_t typesHigh,
                                                   std::int32_t count)) {
  ixtestRecordAddAction(id, name, hint, types, typesHigh, count);
}

int RecordMessageBox(void*, const char* text, const char*, int, int) {
  if (CurrentRegistration()) CurrentRegistration()->messages.push_back(text ? text : "<null>");
  return 1;  // OK
}

std::string Serialize(const std::vector<Registration>& registrations) {
  std::ostringstream out;
  for (const Registration& registration : registrations) {
    out << "R\n";
    for (const std::string& message : registration.messages) out << "M " << Hex(message) << '\n';
    for (const AddActionCall& call : registration.calls) {
      out << "A " << call.id << ' ' << Hex(call.name) << ' ' << Hex(call.hint) << ' '
          << Hex(std::string(call.types.begin(), call.types.end())) << ' ' << call.typesHigh << ' ' << call.count
          << '\n';
    }
  }
  return out.str();
}

std::vector<Registration> Deserialize(const std::string& text) {
  std::vector<Registration> registrations;
  std::istringstream in(text);
  std::string kind;
  while (in >> kind) {
    if (kind == "R") {
      registrations.emplace_back();
      continue;
    }
    if (registrations.empty()) throw std::runtime_error("record before registration");
    std::string field;
    if (kind == "M") {
      in >> field;
      registrations.back().messages.push_back(Unhex(field));
    } else if (kind == "A") {
      AddActionCall call;
      std::string name, hint, types;
      in >> call.id >> name >> hint >> types >> call.typesHigh >> call.count;
      call.name = Unhex(name);
      call.hint = Unhex(hint);
      const std::string typeBytes = Unhex(types);
      call.types.assign(typeBytes.begin(), typeBytes.end());
      registrations.back().calls.push_back(std::move(call));
    } else {
      throw std::runtime_error("unknown record " + kind);
    }
  }
  return registrations;
}

}  // namespace ixtest
