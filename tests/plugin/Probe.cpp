#include "plugin/Probe.h"

#include <ixcanvas/plugin.h>
#include <ixcanvas/headless.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace ixtest {
namespace {

constexpr const char* kProbeOutput = "IX_PLUGIN_PROBE_OUTPUT";
constexpr const char* kProbeRegistrations = "IX_PLUGIN_PROBE_REGISTRATIONS";

std::filesystem::path SelfPath() { return std::filesystem::read_symlink("/proc/self/exe"); }

// Probe mode: runs before GoogleTest's main when the variables are set, then leaves.
void RunProbeAndExit(const char* output, int count) {
  const std::filesystem::path folder = SelfPath().parent_path();
  std::vector<Registration> registrations(static_cast<std::size_t>(count));
  ixh_set_message_box_driver(&RecordMessageBox, nullptr);
  for (int k = 1; k <= count; ++k) {
    const std::filesystem::path step = folder / ("step" + std::to_string(k) + ".loc");
    std::error_code error;
    if (std::filesystem::exists(step, error)) std::filesystem::rename(step, folder / "ixCanvas.loc");
    CurrentRegistration() = &registrations[static_cast<std::size_t>(k - 1)];
    qlRegisterPlugIn(&RecordAddAction, nullptr, nullptr, nullptr);
    CurrentRegistration() = nullptr;
  }
  std::ofstream(output, std::ios::binary) << Serialize(registrations);
  std::fflush(nullptr);
  _exit(0);
}

const bool kProbeMode = [] {
  const char* output = std::getenv(kProbeOutput);
  const char* count = std::getenv(kProbeRegistrations);
  if (output && count) RunProbeAndExit(output, std::atoi(count));
  return false;
}();

std::atomic<int> folderCounter{0};

}  // namespace

ProbeFolder::ProbeFolder() {
  folder_ = std::filesystem::temp_directory_path() /
            ("ixplugin-probe-" + std::to_string(getpid()) + "-" + std::to_string(folderCounter++));
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
}

ProbeFolder::~ProbeFolder() {
  std::error_code error;
  std::filesystem::remove_all(folder_, error);
}

void ProbeFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(folder_ / name, std::ios::binary) << bytes;
}

std::vector<Registration> ProbeFolder::Run(int registrations) const {
  (void)kProbeMode;
  const std::filesystem::path program = folder_ / "ixprobe";
  if (!std::filesystem::exists(program)) std::filesystem::copy_file(SelfPath(), program);
  const std::filesystem::path output = folder_ / "probe-output.txt";
  std::filesystem::remove(output);

  std::vector<std::string> variables;
  for (char** e = environ; *e; ++e) variables.emplace_back(*e);
  variables.push_back(std::string(kProbeOutput) + "=" + output.string());
  variables.push_back(std::string(kProbeRegistrations) + "=" + std::to_string(registrations));
  std::vector<char*> envp;
  for (std::string& v : variables) envp.push_back(v.data());
  envp.push_back(nullptr);
  std::string programText = program.string();
  char* argv[] = {programText.data(), nullptr};

  pid_t child = 0;
  if (posix_spawn(&child, programText.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
    throw std::runtime_error("cannot start the probe");
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("the probe failed");
  }
  std::ifstream in(output, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return Deserialize(text.str());
}

}  // namespace ixtest
