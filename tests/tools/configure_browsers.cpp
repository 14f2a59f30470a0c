// Stands in for the set-up wizard's Finish in the real-browser tests: points
// the installed browsers at the proxy, or takes them off, through the same
// library calls, for the installation named by the registry's "Path" and the
// user's data folder, as the main program would.
//   configure_browsers profiles set HOST PORT | profiles reset | ie set | ie reset
// Prints what it changed; any message box it would have shown is printed
// instead and makes it fail.
#include <windows.h>

#include <cstdio>
#include <string>

#include "browsers/internet_explorer.h"
#include "browsers/mozilla_profiles.h"
#include "common/installation_folder.h"
#include "common/user_data_folder.h"

namespace {

using namespace hush::browsers;

int Usage() {
  std::fprintf(
      stderr, "usage: configure_browsers profiles set HOST PORT | profiles reset | ie set|reset\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string what = argv[1], action = argv[2];
  bool boxShown = false;
  BrowserContext context;
  context.installationDirectory = hush::InstallationFolder();
  context.dataDirectory = hush::UserDataFolder();
  ::CreateDirectoryA(context.dataDirectory.c_str(), nullptr);
  context.showBox = [&](const std::string& text, const std::string&, unsigned) {
    std::printf("message box: %s\n", text.c_str());
    boxShown = true;
    return IDOK;
  };
  ConfigurationState state;
  state.ReadConfiguredFlags();
  const WizardMode mode = action == "set" ? WizardMode::kSet : WizardMode::kReset;
  if (what == "profiles" && (mode == WizardMode::kReset || argc >= 5)) {
    ProfileSet profiles;
    EnumerateProfiles(profiles, mode);
    profiles.SelectAllEnabled();
    for (const ProfileRecord& profile : profiles.records)
      std::printf("%s profile %s (%s)\n", profile.selected ? action.c_str() : "skip",
                  profile.name.c_str(), profile.directory.c_str());
    if (mode == WizardMode::kSet)
      SetNetscapeProxy(profiles, state, argv[3], argv[4], context);
    else
      ResetNetscapeProxy(profiles, state, context);
  } else if (what == "ie") {
    ConnectionSet connections = EnumerateConnections(mode);
    connections.SelectAllEnabled();
    if (mode == WizardMode::kSet)
      SetInternetExplorerProxy(state, connections, {true, true}, context);
    else
      ResetInternetExplorerProxy(state, connections, {true, true}, context);
  } else {
    return Usage();
  }
  return boxShown ? 1 : 0;
}
