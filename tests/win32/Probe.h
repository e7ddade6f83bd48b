#pragma once
// Registrations run in a separate process whose executable sits in a fresh folder, with
// the plug-in in its "lib" subfolder, since the plug-in reads its localization file from
// the folder of the main executable. Message boxes the plug-in shows are recorded and
// closed with OK by a thread timer that fires inside their modal loop.

#include <filesystem>
#include <string>
#include <vector>

#include "plugin/FakeHost.h"

namespace ixwin {

// The probe side: `ixwintest --probe COUNT OUTPUT`.
int RunProbe(int argc, char** argv);

class ProbeFolder {
 public:
  ProbeFolder();
  ~ProbeFolder();
  ProbeFolder(const ProbeFolder&) = delete;
  ProbeFolder& operator=(const ProbeFolder&) = delete;

  // Writes a file next to the probe executable, or next to its plug-in.
  void Write(const std::string& name, const std::string& bytes) const;
  void WriteBesideLibrary(const std::string& name, const std::string& bytes) const;
  // Runs `count` registrations; before call k (from 1) "step<k>.loc" replaces ixCanvas.loc.
  std::vector<ixtest::Registration> Run(int count = 1) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace ixwin
