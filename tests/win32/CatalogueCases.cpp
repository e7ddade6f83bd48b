// The catalogue and the localization file as a register-convention host sees them.

#include <sstream>
#include <string>
#include <vector>

#include "plugin/ExpectedCatalogue.h"
#include "plugin/LocalizationCases.h"
#include "win32/Harness.h"
#include "win32/PluginLibrary.h"
#include "win32/Probe.h"
#include "win32/RegisterCall.h"

namespace {

using ixtest::Registration;

// (Streams rather than string sums: GCC 12 warns falsely about those at -O3.)
std::string Describe(const ixtest::AddActionCall& call) {
  std::ostringstream text;
  text << call.id << ' ' << call.name << " high " << call.typesHigh << " count " << call.count << " types";
  for (auto t : call.types) text << ' ' << int{t};
  return text.str();
}

void ReportCase(int line, const char* name, const std::string& what) {
  std::ostringstream text;
  text << name << ": " << what;
  ixwin::ReportFailure(__FILE__, line, text.str());
}

}  // namespace

IX_CASE(CatalogueByteForByte) {
  ixwin::ProbeFolder folder;
  const std::vector<Registration> runs = folder.Run();
  IX_CHECK_EQ(runs.size(), 1u);
  if (runs.size() != 1) return;
  const std::vector<ixtest::ExpectedRow> expected = ixtest::ExpectedRows();
  IX_CHECK_EQ(runs[0].calls.size(), 121u);
  IX_CHECK_EQ(runs[0].calls.size(), expected.size());
  IX_CHECK(runs[0].messages.empty());
  for (std::size_t i = 0; i < expected.size() && i < runs[0].calls.size(); ++i) {
    const ixtest::AddActionCall want = ixtest::ExpectedCall(expected[i]);
    if (!(runs[0].calls[i] == want)) {
      std::ostringstream what;
      what << "saw " << Describe(runs[0].calls[i]) << ", want " << Describe(want);
      ReportCase(__LINE__, expected[i].name.c_str(), what.str());
    }
  }
}

IX_CASE(RegistrationKeepsTheRegisterConvention) {
  // In this process, whose folder holds no localization file.
  ixwin::PluginLibrary library;
  Registration registration;
  library.RegisterPlugIn(registration);
  IX_CHECK_EQ(ixStackImbalance, 0);
  IX_CHECK_EQ(ixRegistersClobbered, 0);
  IX_CHECK_EQ(registration.calls.size(), 121u);
}

IX_CASE(LocalizationTable) {
  for (const ixtest::LocalizationCase& c : ixtest::kLocalizationCases) {
    ixwin::ProbeFolder folder;
    if (c.file) folder.Write("ixCanvas.loc", *c.file);
    const std::vector<Registration> runs = folder.Run();
    if (runs.size() != 1 || runs[0].calls.size() != 121) {
      ReportCase(__LINE__, c.name, "no complete registration");
      continue;
    }
    if (runs[0].messages != std::vector<std::string>(static_cast<std::size_t>(c.messages), ixtest::kWarning)) {
      ReportCase(__LINE__, c.name, std::to_string(runs[0].messages.size()) + " message boxes");
    }
    std::map<std::int32_t, std::string> expected = ixtest::DefaultHints();
    for (const auto& [id, hint] : c.changedHints) expected[id] = hint;
    if (ixtest::HintsSeen(runs[0]) != expected) {
      ReportCase(__LINE__, c.name, "hints differ");
    }
  }
}

IX_CASE(LocalizationFileBesideTheLibraryIsNotRead) {
  ixwin::ProbeFolder folder;
  folder.WriteBesideLibrary("ixCanvas.loc", ixtest::Header() + "002*beside the library\r\n");
  folder.Write("ixCanvas.loc", ixtest::Header() + "002*beside the program\r\n");
  const std::vector<Registration> runs = folder.Run();
  IX_CHECK_EQ(runs.size(), 1u);
  if (runs.size() == 1) IX_CHECK_EQ(ixtest::HintsSeen(runs[0])[1], std::string("beside the program"));
}

IX_CASE(LocalizationIsReadAfreshAtEveryRegistration) {
  ixwin::ProbeFolder folder;
  folder.Write("ixCanvas.loc", ixtest::Lines({ixtest::kHeader[0], "002*before"}));
  folder.Write("step2.loc", ixtest::Header() + "002*after\r\n");
  const std::vector<Registration> runs = folder.Run(2);
  IX_CHECK_EQ(runs.size(), 2u);
  if (runs.size() != 2) return;
  IX_CHECK_EQ(runs[0].messages.size(), 1u);
  IX_CHECK_EQ(ixtest::HintsSeen(runs[0])[1], std::string("before"));
  IX_CHECK(runs[1].messages.empty());
  IX_CHECK_EQ(ixtest::HintsSeen(runs[1])[1], std::string("after"));
}
