// Stands in for the set-up wizard's Finish in the real-browser tests: points
// the installed browsers at the proxy, or takes them off, through the same
// library calls, for the installation named by the registry's "Path" and the
// user's data folder, as the main program would.
//   configure_browsers profiles set HOST PORT | profiles reset | ie set | ie reset
// Prints what it changed (and the proxy the program would take as its way
// out); any message box it would have shown is printed instead and makes it
// fail.
#include <windows.h>

#include <cstdio>
#include <string>

#include "browsers/internet_explorer.h"
#include "browsers/mozilla_profiles.h"
#include "common/installation_folder.h"
#include "common/user_data_folder.h"

namespace {

using namespace hush::browsers;

// Prints the outcome; true when it holds a report the program would show.
bool Print(const BrowserOutcome& outcome) {
  for (const BrowserReport& report : outcome.reports)
    std::printf("message box: %s\n", DescribeReport(report, 99990).text.c_str());
  if (outcome.replacedProxy)
    std::printf("upstream proxy: %s:%s\n", outcome.replacedProxy->host.c_str(),
                outcome.replacedProxy->port.c_str());
  return !outcome.reports.empty();
}

int Usage() {
  std::fprintf(
      stderr, "usage: configure_browsers profiles set HOST PORT | profiles reset | ie set|reset\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string what = argv[1], action = argv[2];
  BrowserContext context;
  context.installationDirectory = hush::InstallationFolder();
  context.dataDirectory = hush::UserDataFolder();
  ::CreateDirectoryA(context.dataDirectory.c_str(), nullptr);
  ConfigurationState state;
  state.ReadConfiguredFlags();
  const WizardMode mode = action == "set" ? WizardMode::kSet : WizardMode::kReset;
  BrowserOutcome outcome;
  if (what == "profiles" && (mode == WizardMode::kReset || argc >= 5)) {
    ProfileSet profiles;
    EnumerateProfiles(profiles, mode);
    profiles.SelectAllEnabled();
    for (const ProfileRecord& profile : profiles.records)
      std::printf("%s profile %s (%s)\n", profile.selected ? action.c_str() : "skip",
                  profile.name.c_str(), profile.directory.c_str());
    outcome = mode == WizardMode::kSet
                  ? SetNetscapeProxy(profiles, state, argv[3], argv[4], context)
                  : ResetNetscapeProxy(profiles, state, context);
  } else if (what == "ie") {
    ConnectionSet connections = EnumerateConnections(mode);
    connections.SelectAllEnabled();
    outcome = mode == WizardMode::kSet
                  ? SetInternetExplorerProxy(state, connections, {true, true}, context)
                  : ResetInternetExplorerProxy(state, connections, {true, true}, context);
  } else {
    return Usage();
  }
  return Print(outcome) ? 1 : 0;
}
