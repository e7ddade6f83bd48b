#include "win32/Probe.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "win32/PluginLibrary.h"

namespace ixwin {
namespace {

constexpr DWORD kProbeTimeoutMilliseconds = 50'000;
const int kMessageBoxTextId = 0xFFFF;

std::set<HWND>& ClosedBoxes() {
  static std::set<HWND> boxes;
  return boxes;
}

BOOL CALLBACK CloseMessageBox(HWND window, LPARAM) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (!IsWindowVisible(window) || std::wstring(className) != L"#32770" || ClosedBoxes().count(window)) return TRUE;
  wchar_t text[1024] = {};
  GetDlgItemTextW(window, kMessageBoxTextId, text, 1024);
  char bytes[1024] = {};
  WideCharToMultiByte(1251, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  if (ixtest::CurrentRegistration()) ixtest::CurrentRegistration()->messages.push_back(bytes);
  ClosedBoxes().insert(window);
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK CloseMessageBoxes(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), &CloseMessageBox, 0);
}

int counter = 0;

}  // namespace

int RunProbe(int argc, char** argv) {
  if (argc != 4) return 10;
  const int count = std::atoi(argv[2]);
  const std::filesystem::path folder(ProgramFolder());
  PluginLibrary library((folder / "lib" / "ixCanvas.qlp").wstring());
  std::vector<ixtest::Registration> registrations(static_cast<std::size_t>(count));
  for (int k = 1; k <= count; ++k) {
    const std::filesystem::path step = folder / ("step" + std::to_string(k) + ".loc");
    if (std::filesystem::exists(step)) std::filesystem::rename(step, folder / "ixCanvas.loc");
    ixtest::Registration& registration = registrations[static_cast<std::size_t>(k - 1)];
    ixtest::CurrentRegistration() = &registration;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CloseMessageBoxes);
    library.RegisterPlugIn(registration);
    KillTimer(nullptr, timer);
    ixtest::CurrentRegistration() = nullptr;
  }
  std::ofstream(argv[3], std::ios::binary) << ixtest::Serialize(registrations);
  return 0;
}

ProbeFolder::ProbeFolder() {
  folder_ = std::filesystem::temp_directory_path() /
            ("ixwin-probe-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_ / "lib");
  const std::filesystem::path self(ProgramFolder());
  wchar_t program[MAX_PATH * 4];
  GetModuleFileNameW(nullptr, program, MAX_PATH * 4);
  std::filesystem::copy_file(program, folder_ / "ixprobe.exe");
  std::filesystem::copy_file(self / "plugin" / "ixCanvas.qlp", folder_ / "lib" / "ixCanvas.qlp");
}

ProbeFolder::~ProbeFolder() {
  std::error_code error;
  std::filesystem::remove_all(folder_, error);
}

void ProbeFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(folder_ / name, std::ios::binary) << bytes;
}

void ProbeFolder::WriteBesideLibrary(const std::string& name, const std::string& bytes) const {
  std::ofstream(folder_ / "lib" / name, std::ios::binary) << bytes;
}

std::vector<ixtest::Registration> ProbeFolder::Run(int count) const {
  const std::filesystem::path output = folder_ / "probe-output.txt";
  std::filesystem::remove(output);
  std::wstring commandLine = L"\"" + (folder_ / "ixprobe.exe").wstring() + L"\" --probe " + std::to_wstring(count) +
                             L" \"" + output.wstring() + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    throw std::runtime_error("cannot start the probe");
  }
  const DWORD waited = WaitForSingleObject(process.hProcess, kProbeTimeoutMilliseconds);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (waited != WAIT_OBJECT_0 || exitCode != 0) throw std::runtime_error("the probe failed");
  std::ifstream in(output, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return ixtest::Deserialize(text.str());
}

}  // namespace ixwin
