#pragma once
// Runs registrations in a separate process whose main executable sits in a fresh folder,
// because the plug-in reads its localization file from the folder of the process's main
// executable. The test executable copies itself there and runs the copy in probe mode.

#include <filesystem>
#include <string>
#include <vector>

#include "plugin/FakeHost.h"

namespace ixtest {

class ProbeFolder {
 public:
  ProbeFolder();
  ~ProbeFolder();
  ProbeFolder(const ProbeFolder&) = delete;
  ProbeFolder& operator=(const ProbeFolder&) = delete;

  const std::filesystem::path& path() const { return folder_; }
  // Writes `bytes` to a file of the folder.
  void Write(const std::string& name, const std::string& bytes) const;

  // Runs `registrations` calls of qlRegisterPlugIn in a probe process. Before call k
  // (from 1), a file "step<k>.loc" of the folder, when present, replaces ixCanvas.loc.
  std::vector<Registration> Run(int registrations = 1) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace ixtest
